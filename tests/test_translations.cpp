// The translations as the user meets them: the main window's menus in each language, and
// the toolkit's own buttons and file choosers following the chosen language.
#include "app/startup.h"
#include "core/dialogmsg.h"
#include "core/servicecallrunner.h"
#include "core/userprompt.h"
#include "download/dialogdownload.h"
#include "download/dialogfileinfo.h"
#include "filemanager/dialogcopyfile.h"
#include "filemanager/dialogcreatefol.h"
#include "filemanager/dialogmovefile.h"
#include "filemanager/formchangefilepassword.h"
#include "filemanager/namerules.h"
#include "mainwindow/dialogabout.h"
#include "mainwindow/dialogoption.h"
#include "mainwindow/dialogturnoff.h"
#include "mainwindow/loginform.h"
#include "mainwindow/logoutquestion.h"
#include "mainwindow/mainform.h"
#include "media/popup_inputpassword.h"
#include "media/popup_rss_setdownloadfolder.h"
#include "media/search_subtitles.h"
#include "media/searchsubtitleonline.h"
#include "media/setfoldersavesubtitle.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "tests/mainformprobe.h"
#include "tests/mainwindowsession.h"
#include "tests/support/scripteduserprompt.h"
#include "tests/support/windowshots.h"
#include "upload/dialogupload.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontDatabase>
#include <QHeaderView>
#include <QImageReader>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QLibraryInfo>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QProxyStyle>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTranslator>
#include <QTreeView>
#include <QXmlStreamReader>
#include <QtTest>

#include <functional>

namespace {

// The letter an entry's accelerator takes, upper case; empty when it has none.
QString acceleratorOf(const QString& text) {
    const QKeySequence mnemonic = QKeySequence::mnemonic(text);
    if (mnemonic.isEmpty())
        return QString();
    return QKeySequence(mnemonic[0] & ~Qt::ALT).toString().toUpper();
}

// Each menu's entries by accelerator letter: "menu/letter" -> the entries' texts.
QMap<QString, QStringList> acceleratorsByMenu(const QMainWindow& window) {
    QMap<QString, QStringList> found;
    auto collect = [&found](const QString& menu, const QList<QAction*>& actions) {
        for (const QAction* action : actions) {
            const QString letter = acceleratorOf(action->text());
            if (!action->isSeparator() && !letter.isEmpty())
                found[menu + QLatin1Char('/') + letter] << action->text();
        }
    };
    // The window lays its menu bar out itself, beside its title.
    const QMenuBar* bar = window.findChild<QMenuBar*>(QStringLiteral("menuBar"));
    if (!bar)
        return found;
    collect(QStringLiteral("menu bar"), bar->actions());
    for (const QMenu* menu : bar->findChildren<QMenu*>())
        collect(menu->objectName(), menu->actions());
    return found;
}

// "context | source" of each message a catalogue holds, the obsolete ones left out.
QSet<QString> messagesOf(const QString& path) {
    QSet<QString> found;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return found;
    QXmlStreamReader xml(&file);
    QString context, source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const auto type = xml.attributes().value(QStringLiteral("type"));
            if (type != QLatin1String("vanished") && type != QLatin1String("obsolete"))
                found.insert(context + QStringLiteral(" | ") + source);
        }
    }
    return found;
}

// The picture a button without text shows: its icon, or the border image its own style
// sheet draws it with; an invalid size when it has neither.
QSize pictureOf(const QAbstractButton& button) {
    if (!button.icon().isNull())
        return button.iconSize();
    static const QRegularExpression image(
        QStringLiteral(R"re(border-image\s*:\s*url\(\s*"?([^")]*)"?\s*\))re"));
    const QRegularExpressionMatch found = image.match(button.styleSheet());
    return found.hasMatch() ? QImageReader(found.captured(1)).size() : QSize();
}

// A picture button drawn out of shape (its picture stretched one way more than the
// other) or cut by the window's edge: "name: why"; nothing when it shows whole.
QStringList squeezedPicture(const QWidget& window, const QAbstractButton& button) {
    const QSize picture = pictureOf(button);
    const QRect shown(button.mapTo(&window, QPoint()), button.size());
    if (!picture.isValid() || shown.isEmpty())
        return {};
    const double stretch =
        double(shown.width()) / picture.width() * picture.height() / shown.height();
    if (stretch > 0.9 && stretch < 1.1 && window.rect().contains(shown))
        return {};
    return {QStringLiteral("%1: picture of %2x%3 shown %4x%5 at %6,%7 in %8x%9")
                .arg(button.objectName())
                .arg(picture.width())
                .arg(picture.height())
                .arg(shown.width())
                .arg(shown.height())
                .arg(shown.x())
                .arg(shown.y())
                .arg(window.width())
                .arg(window.height())};
}

// The texts of a shown window that their widgets cut off: "name: text". Buttons that show
// a picture alone must show all of it.
QStringList clippedTexts(QWidget& window) {
    window.show();
    QCoreApplication::processEvents();
    QStringList clipped;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window))
            continue;
        QString text;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (label->wordWrap() || label->text().isEmpty())
                continue;
            text = label->text();
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            if (button->text().isEmpty()) {
                clipped << squeezedPicture(window, *button);
                continue;
            }
            text = button->text();
        } else {
            continue;
        }
        int needed = widget->sizeHint().width();
        int room = widget->width();
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            // A style sheet may fix a button's size, and its size hint with it: the text
            // and icon must fit where the style draws a button's contents.
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            option.icon = button->icon();
            option.iconSize = button->iconSize();
            const int contents =
                button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width() +
                (button->icon().isNull() ? 0 : button->iconSize().width() + 4);
            const int space = button->style()
                                  ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
                                  .width();
            if (contents - space > needed - room) {
                needed = contents;
                room = space;
            }
        }
        if (needed > room)
            clipped << QStringLiteral("%1: %2 (%3 > %4)")
                           .arg(widget->objectName(), text)
                           .arg(needed)
                           .arg(room);
    }
    return clipped;
}

// The picture a window's own style sheet paints it with, as it shows on the screen: a
// border image stretched over the window, a background image as it is.
QImage backgroundOf(const QWidget& window) {
    const QRegularExpression rule(
        QStringLiteral(
            R"re(#%1\s*\{[^}]*(background-image|border-image)\s*:\s*url\(\s*"?([^")]*))re")
            .arg(window.objectName()));
    const QRegularExpressionMatch found = rule.match(window.styleSheet());
    const QImage image = found.hasMatch() ? QImage(found.captured(2)) : QImage();
    if (image.isNull() || found.captured(1) == QLatin1String("background-image"))
        return image;
    return image.scaled(window.size());
}

// The first row under the coloured title band across the top of `background` at column
// `x`; 0 when there is no band there.
int bandBottom(const QImage& background, int x) {
    if (background.isNull())
        return 0;
    x = qBound(0, x, background.width() - 1);
    int y = 0;
    for (; y < background.height(); ++y) {
        const QColor pixel = background.pixelColor(x, y);
        if (pixel.alpha() < 128 || (pixel.hsvSaturation() < 60 && pixel.value() > 160))
            break;
    }
    return y;
}

// The labels under the title band of a shown window whose text is cut at its top: by the
// label's own edge, or by the band, on which the text starts and off which it ends. The
// titles on the band are left out. "name: text (why)".
QStringList labelsCutAtTheTop(QWidget& window) {
    window.show();
    QCoreApplication::processEvents();
    const QImage background = backgroundOf(window);
    QStringList cut;
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&window) || label->text().isEmpty() || label->movie())
            continue;
        QImage drawn(label->size(), QImage::Format_ARGB32_Premultiplied);
        drawn.fill(Qt::transparent);
        label->render(&drawn, QPoint(), QRegion(), QWidget::RenderFlags());
        // The rows its glyphs ink (faint edges of their smoothing left out).
        int first = -1, last = -1, left = drawn.width(), right = -1;
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                if (qAlpha(drawn.pixel(x, y)) < 96)
                    continue;
                first = first < 0 ? y : first;
                last = y;
                left = qMin(left, x);
                right = qMax(right, x);
            }
        }
        if (first < 0)
            continue;
        const QPoint at = label->mapTo(&window, QPoint());
        const int band = bandBottom(background, at.x() + (left + right) / 2);
        // Text under the band sits in a box wholly under it: how high a font reaches
        // above its letters (accents, Japanese glyphs) varies from desktop to desktop.
        if (at.y() + last < band)
            continue; // a title
        QString why;
        if (first == 0)
            why = QStringLiteral("cut by its own top at %1").arg(at.y());
        else if (at.y() + first < band)
            why = QStringLiteral("rows %1 to %2 across the band's edge at %3")
                      .arg(at.y() + first)
                      .arg(at.y() + last)
                      .arg(band);
        else if (at.y() + first >= band && at.y() < band)
            why = QStringLiteral("from %1, on the band down to %2").arg(at.y()).arg(band);
        if (!why.isEmpty())
            cut << QStringLiteral("%1: %2 (%3)").arg(label->objectName(), label->text(), why);
    }
    return cut;
}

// The column titles of a table that do not show whole as it stands: a section narrower
// than its title needs (in bold, as a selected row's titles are drawn), or one that
// reaches past the table's right edge. "table: title (why)".
QStringList clippedTitles(QTableView& table) {
    QHeaderView* header = table.horizontalHeader();
    // A table opens sorted by no column: no sort arrow takes room from the titles.
    const bool arrows = header->isSortIndicatorShown();
    header->setSortIndicatorShown(false);
    QStringList clipped;
    for (int column = 0; column < header->count(); ++column) {
        const QString title = table.model()->headerData(column, Qt::Horizontal).toString();
        if (header->isSectionHidden(column) || title.isEmpty())
            continue;
        const int start = header->sectionViewportPosition(column);
        const int size = header->sectionSize(column);
        const int needed = header->sectionSizeHint(column);
        if (size < needed)
            clipped << QStringLiteral("%1: %2 (%3 < %4)")
                           .arg(table.objectName(), title)
                           .arg(size)
                           .arg(needed);
        else if (start < 0 || start + size > header->viewport()->width())
            clipped << QStringLiteral("%1: %2 (%3 to %4 of %5)")
                           .arg(table.objectName(), title)
                           .arg(start)
                           .arg(start + size)
                           .arg(header->viewport()->width());
    }
    header->setSortIndicatorShown(arrows);
    return clipped;
}

// Brings `widget` forward in every stack of pages (tabs) that holds it.
void bringForward(QWidget* widget) {
    for (QWidget* child = widget; child && child->parentWidget(); child = child->parentWidget()) {
        if (auto* pages = qobject_cast<QStackedWidget*>(child->parentWidget()))
            pages->setCurrentWidget(child);
    }
}

// The desktop's dialog buttons carry icons, which the headless platform leaves out.
class DesktopButtonsStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

// While it lives, windows look as on the desktop, where the user meets them: the
// desktop's font and its dialog buttons with icons, so that texts are measured as shown.
class DesktopLook {
public:
    DesktopLook()
        : headlessFont(QApplication::font()), headlessStyle(QApplication::style()->objectName()) {
        QApplication::setFont(QFont(QStringLiteral("Sans Serif"), 9));
        QApplication::setStyle(new DesktopButtonsStyle(QStyleFactory::create(headlessStyle)));
    }
    ~DesktopLook() {
        QApplication::setStyle(QStyleFactory::create(headlessStyle));
        QApplication::setFont(headlessFont);
    }
    DesktopLook(const DesktopLook&) = delete;
    DesktopLook& operator=(const DesktopLook&) = delete;

private:
    const QFont headlessFont;
    const QString headlessStyle;
};

// Remembers every text the toolkit asks to be translated, and translates none, so that
// the translators installed before it still answer.
class RecordingTranslator : public QTranslator {
public:
    struct Lookup {
        QString context, source, comment;
        bool operator==(const Lookup& other) const {
            return context == other.context && source == other.source && comment == other.comment;
        }
    };
    QList<Lookup> lookups;

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* comment,
                      int) const override {
        const Lookup lookup{QString::fromUtf8(context), QString::fromUtf8(source),
                            QString::fromUtf8(comment)};
        if (!lookups.contains(lookup))
            const_cast<RecordingTranslator*>(this)->lookups << lookup;
        return QString();
    }
};

// The messages a catalogue translates (obsolete and unfinished ones left out).
QList<RecordingTranslator::Lookup> translatedIn(const QString& path) {
    QList<RecordingTranslator::Lookup> found;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return found;
    QXmlStreamReader xml(&file);
    RecordingTranslator::Lookup message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            message.context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            message.source.clear();
            message.comment.clear();
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("comment")) {
            message.comment = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation") &&
                   xml.attributes().value(QStringLiteral("type")).isEmpty()) {
            found << message;
        }
    }
    return found;
}

// The choosers the program opens (through UserPrompt), as the toolkit's static functions
// build them: their modes by name.
const char* const kChooserKinds[] = {"open file", "open files", "save file", "folder"};

void setUpChooser(QFileDialog& chooser, const QString& kind) {
    if (kind == QLatin1String("open file")) {
        chooser.setFileMode(QFileDialog::ExistingFile);
    } else if (kind == QLatin1String("open files")) {
        chooser.setFileMode(QFileDialog::ExistingFiles);
    } else if (kind == QLatin1String("save file")) {
        chooser.setAcceptMode(QFileDialog::AcceptSave);
    } else {
        chooser.setFileMode(QFileDialog::Directory);
        chooser.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    }
}

// What a chooser opened on `folder` (a folder "thu-muc" and a file "a.txt") says in words,
// keyed by where it says it: labels, button texts and tool tips, its menu's entries, the
// column titles, the file types offered, the sidebar's entry for the whole computer and
// the type shown for each entry. Paths and names are left out: they read alike in every
// language.
QMap<QString, QString> chooserWords(const QString& kind, const QString& folder) {
    QFileDialog chooser(nullptr, QStringLiteral("Chọn"), folder);
    setUpChooser(chooser, kind);
    chooser.show();
    QMap<QString, QString> words;
    auto* model = chooser.findChild<QFileSystemModel*>();
    if (!model)
        return words;
    const QModelIndex root = model->index(folder);
    const int entries = kind == QLatin1String("folder") ? 1 : 2;
    if (!QTest::qWaitFor(
            [&] {
                return model->rowCount(root) == entries &&
                       !model->index(0, 2, root).data().toString().isEmpty() &&
                       !model->index(entries - 1, 2, root).data().toString().isEmpty();
            },
            20000))
        return words;
    // Unnamed widgets and entries by their place among the chooser's children, which
    // the toolkit makes in the same order in every language.
    int place = 0;
    auto whereOf = [&place](const QObject* object) {
        ++place;
        return object->objectName().isEmpty() ? QStringLiteral("#%1").arg(place)
                                              : object->objectName();
    };
    for (QWidget* widget : chooser.findChildren<QWidget*>()) {
        const QString where = whereOf(widget);
        if (!widget->isVisibleTo(&chooser))
            continue;
        if (auto* label = qobject_cast<QLabel*>(widget); label && !label->text().isEmpty())
            words[where] = label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            if (!button->text().isEmpty())
                words[where] = button->text();
            if (!button->toolTip().isEmpty())
                words[where + QStringLiteral(" tip")] = button->toolTip();
        }
    }
    for (const QAction* action : chooser.findChildren<QAction*>()) {
        const QString where = whereOf(action);
        if (!action->text().isEmpty())
            words[QStringLiteral("menu ") + where] = action->text();
    }
    if (auto* types = chooser.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))) {
        for (int i = 0; i < types->count(); ++i)
            words[QStringLiteral("type %1").arg(i)] = types->itemText(i);
    }
    if (auto* view = chooser.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        for (int column = 0; column < view->header()->count(); ++column)
            words[QStringLiteral("column %1").arg(column)] =
                view->model()->headerData(column, Qt::Horizontal).toString();
    }
    if (auto* sidebar = chooser.findChild<QListView*>(QStringLiteral("sidebar"))) {
        const QList<QUrl> places = chooser.sidebarUrls();
        for (int row = 0; row < places.size() && row < sidebar->model()->rowCount(); ++row) {
            if (places.at(row).path().isEmpty()) // the whole computer
                words[QStringLiteral("sidebar computer")] =
                    sidebar->model()->index(row, 0).data().toString();
        }
    }
    for (int row = 0; row < model->rowCount(root); ++row)
        words[QStringLiteral("kind of ") + model->index(row, 0, root).data().toString()] =
            model->index(row, 2, root).data().toString();
    return words;
}

// A folder for the choosers to open on: a folder and a text file.
bool fillChooserFolder(const QTemporaryDir& folder) {
    QFile file(folder.filePath(QStringLiteral("a.txt")));
    return QDir(folder.path()).mkdir(QStringLiteral("thu-muc")) &&
           file.open(QIODevice::WriteOnly) && file.write("x") == 1;
}

// Hands each chooser or box that shows while it lives to `look`, once its modal loop runs,
// and then closes it.
class DialogWatch : public QObject {
public:
    explicit DialogWatch(std::function<void(QDialog&)> look) : m_look(std::move(look)) {
        qApp->installEventFilter(this);
    }
    ~DialogWatch() override { qApp->removeEventFilter(this); }
    int seen = 0;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!qobject_cast<QFileDialog*>(watched) && !qobject_cast<QMessageBox*>(watched))
            return false;
        auto* chooser = static_cast<QDialog*>(watched);
        if (event->type() != QEvent::Show)
            return false;
        QMetaObject::invokeMethod(
            this,
            [this, chooser = QPointer<QDialog>(chooser)] {
                if (!chooser)
                    return;
                ++seen;
                m_look(*chooser);
                chooser->reject();
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    std::function<void(QDialog&)> m_look;
};

// What a shown chooser or box cuts: its labels' and buttons' texts (clippedTexts()), its
// buttons' texts that run into the buttons' edges, and its buttons where they do not lie
// whole inside the window with the layout's margins to spare. "name: why".
QStringList buttonCuts(QDialog& chooser) {
    QStringList cut = clippedTexts(chooser);
    const auto* box = chooser.findChild<QDialogButtonBox*>();
    if (!box || !chooser.layout())
        return cut << QStringLiteral("no buttons: not the toolkit's own chooser or box");
    const QRect room = chooser.rect().marginsRemoved(chooser.layout()->contentsMargins());
    for (const QAbstractButton* button : box->buttons()) {
        // A text that fits only to the pixel runs into the button's edges.
        const int contents =
            button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width() +
            (button->icon().isNull() ? 0 : button->iconSize().width() + 4);
        if (contents + 2 * 4 > button->width())
            cut << QStringLiteral("%1: %2 wide, its text and icon %3, touching its edges")
                       .arg(button->text())
                       .arg(button->width())
                       .arg(contents);
        const QRect shown(button->mapTo(&chooser, QPoint()), button->size());
        if (!room.contains(shown))
            cut << QStringLiteral("%1: at %2,%3 %4x%5, out of %6,%7 %8x%9")
                       .arg(button->text())
                       .arg(shown.x())
                       .arg(shown.y())
                       .arg(shown.width())
                       .arg(shown.height())
                       .arg(room.x())
                       .arg(room.y())
                       .arg(room.width())
                       .arg(room.height());
    }
    return cut;
}

// The language setting, and the program's and the toolkit's catalogues for it, installed
// as start-up installs them, while it lives.
class StartupCatalogues {
public:
    explicit StartupCatalogues(const QString& language) {
        settings.setValue(SettingsKeys::Language, language);
        programLoaded = program.load(QStringLiteral(BRISKO_LANG_DIR "/") + language);
        QCoreApplication::installTranslator(&program);
        toolkitLoaded = startup::loadToolkitTranslation(toolkit, settings);
    }
    ~StartupCatalogues() {
        QCoreApplication::removeTranslator(&toolkit);
        QCoreApplication::removeTranslator(&program);
        settings.remove(QString::fromLatin1(SettingsKeys::Language));
    }
    StartupCatalogues(const StartupCatalogues&) = delete;
    StartupCatalogues& operator=(const StartupCatalogues&) = delete;

    bool programLoaded = false;
    bool toolkitLoaded = false; // the toolkit has a catalogue of its own for the language

private:
    SettingsStore settings;
    QTranslator program;
    QTranslator toolkit;
};

// A font for Japanese, without which Japanese texts are measured in the boxes drawn for
// missing glyphs: the Debian package fonts-ipafont-gothic gives one.
bool haveJapaneseFont() {
    return !QFontDatabase().families(QFontDatabase::Japanese).isEmpty();
}

// Opens a chooser as the program does, with the button that asks for it in a window of
// the program: "upload" (files; the upload popup's style sheet fixes every push button's
// width), "options" (a folder; theirs fixes those in a box named as the chooser's is),
// "add links" (a folder); or, over "nothing" of ours, one to save a file.
void openChooserOver(const QString& over) {
    if (over == QLatin1String("upload")) {
        DialogUpload upload({});
        upload.show();
        upload.findChild<QPushButton*>(QStringLiteral("btn_filebrowser"))->click();
    } else if (over == QLatin1String("options")) {
        DialogOption options(DialogOption::Download);
        options.show();
        for (QPushButton* button : options.findChildren<QPushButton*>(QStringLiteral("btn_chon"))) {
            if (button->isVisible())
                button->click();
        }
    } else if (over == QLatin1String("add links")) {
        DialogDownload download(QStringLiteral(" "));
        download.show();
        download.findChild<QPushButton*>(QStringLiteral("btn_chon"))->click();
    } else {
        QtUserPrompt().saveFile(nullptr, QStringLiteral("Lưu"), QString(), QString());
    }
}

using WindowCheck = std::function<void(const QString& name, QWidget& window)>;

// Opens the windows whose texts are measured one at a time and hands each to `check`;
// `popups` adds the popups of the file manager (whose folder trees list the account's
// folders) and of the subtitles and feeds.
void measureWindows(const WindowCheck& check, bool popups) {
    {
        LoginForm login;
        check("login", login);
    }
    for (int page : {DialogOption::General, DialogOption::Upload, DialogOption::Download,
                     DialogOption::Connection}) {
        DialogOption options(page);
        check("options", options);
    }
    {
        formChangeFilePassword password({"CODE"});
        check("password", password);
        password.setCurrentPassword(QStringLiteral("cũ"));
        check("password (change)", password);
    }
    {
        Dialogcreatefol create(QStringLiteral("0"));
        check("create folder", create);
        DialogDownload download(QStringLiteral(" "));
        check("add links", download);
        dialogabout about;
        check("about", about);
        DialogMsg notice(QStringLiteral("Thông báo"), QStringLiteral("chi tiết"));
        check("notice", notice);
        DialogUpload upload({});
        check("upload", upload);
        DialogTurnOff turnOff;
        check("power off", turnOff);
        DialogFileInfo info({});
        check("download properties", info);
    }
    if (!popups)
        return;
    DialogMoveFIle move({"CODE"});
    check("move", move);
    DialogCopyFile copy({"CODE"});
    check("copy", copy);
    SearchSubtitleOnline keywords(true, QStringLiteral("Phim"));
    check("subtitles by keyword", keywords);
    Search_subtitles subtitles(QStringLiteral("Phim.mp4"), QStringLiteral("/tmp/Phim.mp4"));
    check("subtitles", subtitles);
    setFolderSaveSubtitle subtitleFolder;
    check("subtitle folder", subtitleFolder);
    Popup_rss_SetDownloadFolder feedFolder(QStringLiteral("Phim"));
    check("feed folder", feedFolder);
    popup_inputPassword filePassword(QStringLiteral("a.mp4"), QStringLiteral("1 MB"));
    check("file password", filePassword);
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void noTwoEntriesOfOneMenuShareALetter_data();
    void noTwoEntriesOfOneMenuShareALetter();
    void toolkitButtonsFollowTheLanguage_data();
    void toolkitButtonsFollowTheLanguage();
    void toolkitTextsAreInTheCataloguesThatNeedThem();
    void chooserSpeaksVietnameseOnly_data();
    void chooserSpeaksVietnameseOnly();
    void everyMarkedTextIsInTheCatalogues();
    void textsShowWhole_data();
    void textsShowWhole();
    void labelsShowWholeUnderTitleBands_data();
    void labelsShowWholeUnderTitleBands();
    void tableTitlesShowWhole_data();
    void tableTitlesShowWhole();
    void textsMarkedOutsideAClassAreTranslated();
    void choosersShowTheirButtonsWhole_data();
    void choosersShowTheirButtonsWhole();
    void boxesShowTheirButtonsWhole_data();
    void boxesShowTheirButtonsWhole();

private:
    MainWindowSession session;
    bool sessionStarted = false;
};

void TestTranslations::noTwoEntriesOfOneMenuShareALetter_data() {
    QTest::addColumn<QString>("file");
    // Clashes the design gives its own language, as "menu/letter".
    QTest::addColumn<QStringList>("designed");
    QTest::newRow("Vietnamese") << "brisko_vi.qm" << QStringList{QStringLiteral("menuFile/T")};
    QTest::newRow("English") << "brisko_en.qm" << QStringList();
    QTest::newRow("Japanese") << "brisko_ja.qm" << QStringList();
}

void TestTranslations::noTwoEntriesOfOneMenuShareALetter() {
    QFETCH(QString, file);
    QFETCH(QStringList, designed);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(BRISKO_LANG_DIR "/") + file));
    QCoreApplication::installTranslator(&translator);
    MainForm window;
    const QMap<QString, QStringList> found = acceleratorsByMenu(window);
    QCoreApplication::removeTranslator(&translator);

    QVERIFY(found.size() >= 8); // three menus and their entries were seen
    for (auto it = found.cbegin(); it != found.cend(); ++it) {
        if (designed.contains(it.key()))
            continue;
        QVERIFY2(it.value().size() == 1,
                 qUtf8Printable(it.key() + QStringLiteral(": ") + it.value().join(" | ")));
    }
}

void TestTranslations::toolkitButtonsFollowTheLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("toolkitCatalogue");
    // The texts of OK, Cancel, Yes, No and Retry, in that order.
    QTest::addColumn<QStringList>("texts");
    // Debian ships no toolkit catalogue for Vietnamese: the program's own carries these.
    QTest::newRow("Vietnamese") << "brisko_vi.qm" << false
                                << QStringList{"OK", "Hủy", "&Có", "&Không", "Thử lại"};
    QTest::newRow("Japanese") << "brisko_ja.qm" << true
                              << QStringList{"OK", "キャンセル", "はい(&Y)", "いいえ(&N)",
                                             "再試行"};
    QTest::newRow("English") << "brisko_en.qm" << true
                             << QStringList{"OK", "Cancel", "&Yes", "&No", "Retry"};
}

// A box's standard buttons read in the window's language, as start-up loads the catalogues.
void TestTranslations::toolkitButtonsFollowTheLanguage() {
    QFETCH(QString, language);
    QFETCH(bool, toolkitCatalogue);
    QFETCH(QStringList, texts);
    const StartupCatalogues catalogues(language);
    QVERIFY(catalogues.programLoaded);
    QCOMPARE(catalogues.toolkitLoaded, toolkitCatalogue);

    QMessageBox box(QMessageBox::Question, QStringLiteral("Hỏi"), QStringLiteral("Tiếp tục?"),
                    QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No |
                        QMessageBox::Retry);
    const QMessageBox::StandardButton buttons[] = {QMessageBox::Ok, QMessageBox::Cancel,
                                                   QMessageBox::Yes, QMessageBox::No,
                                                   QMessageBox::Retry};
    QStringList shown;
    for (QMessageBox::StandardButton button : buttons)
        shown << box.button(button)->text();
    QCOMPARE(shown, texts);
}

// The toolkit's texts that its choosers and the boxes' standard buttons ask for read in the
// window's language, as start-up loads the catalogues: the Vietnamese catalogue carries
// them all (no toolkit catalogue is made for Vietnamese); the Japanese one only what the
// toolkit's own Japanese catalogue lacks, as that one is asked first and a copy would only
// drift from it; the English one none, the texts being English already.
void TestTranslations::toolkitTextsAreInTheCataloguesThatNeedThem() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid() && fillChooserFolder(folder));
    RecordingTranslator recorder;
    QCoreApplication::installTranslator(&recorder);
    for (const char* kind : kChooserKinds)
        QVERIFY2(!chooserWords(QLatin1String(kind), folder.path()).isEmpty(), kind);
    // Its standard buttons ask for their texts.
    const QMessageBox box(QMessageBox::Question, QStringLiteral("Hỏi"), QStringLiteral("Tiếp tục?"),
                          QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes |
                              QMessageBox::No | QMessageBox::Retry | QMessageBox::Close);
    QCoreApplication::removeTranslator(&recorder);

    QList<RecordingTranslator::Lookup> asked;
    for (const RecordingTranslator::Lookup& lookup : recorder.lookups) {
        if (lookup.context.startsWith(QLatin1String("QFile")) ||
            lookup.context == QLatin1String("QPlatformTheme"))
            asked << lookup;
    }
    QVERIFY(asked.size() > 30); // labels, buttons, tips, menu, columns, kinds were asked for
    QTranslator toolkitJapanese;
    QVERIFY2(toolkitJapanese.load(QStringLiteral("qtbase_ja"),
                                  QLibraryInfo::location(QLibraryInfo::TranslationsPath)),
             "the toolkit's Japanese catalogue (qttranslations5-l10n) is not installed");
    QTranslator vietnamese, english, japanese;
    QVERIFY(vietnamese.load(QStringLiteral(BRISKO_LANG_DIR "/brisko_vi.qm")));
    QVERIFY(english.load(QStringLiteral(BRISKO_LANG_DIR "/brisko_en.qm")));
    QVERIFY(japanese.load(QStringLiteral(BRISKO_LANG_DIR "/brisko_ja.qm")));
    auto translate = [](const QTranslator& catalogue, const RecordingTranslator::Lookup& text) {
        return catalogue.translate(text.context.toUtf8(), text.source.toUtf8(),
                                   text.comment.toUtf8());
    };
    QStringList wrong;
    for (const RecordingTranslator::Lookup& text : asked) {
        const QString where = text.context + QStringLiteral(" | ") + text.source;
        if (translate(vietnamese, text).isEmpty())
            wrong << QStringLiteral("Vietnamese lacks ") + where;
        if (!translate(english, text).isEmpty())
            wrong << QStringLiteral("English needlessly has ") + where;
        if (translate(japanese, text).isEmpty() && translate(toolkitJapanese, text).isEmpty())
            wrong << QStringLiteral("Japanese lacks ") + where;
    }
    // Also texts no chooser asked for here (a refused new name, say).
    for (const RecordingTranslator::Lookup& text :
         translatedIn(QStringLiteral(BRISKO_SOURCE_DIR "/lang/brisko_ja.ts"))) {
        if (!translate(toolkitJapanese, text).isEmpty())
            wrong << QStringLiteral("Japanese copies the toolkit's ") + text.context +
                         QStringLiteral(" | ") + text.source;
    }
    QVERIFY2(wrong.isEmpty(), qUtf8Printable(wrong.join(QLatin1Char('\n'))));
}

void TestTranslations::chooserSpeaksVietnameseOnly_data() {
    QTest::addColumn<QString>("kind");
    for (const char* kind : kChooserKinds)
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

// In the Vietnamese window, as start-up loads the catalogues, a chooser shows no word
// that it shows in English: every label, button, tip, column and kind is translated.
void TestTranslations::chooserSpeaksVietnameseOnly() {
    QFETCH(QString, kind);
    QTemporaryDir folder;
    QVERIFY(folder.isValid() && fillChooserFolder(folder));
    const QMap<QString, QString> english = chooserWords(kind, folder.path());
    QVERIFY(english.size() > 10);

    QMap<QString, QString> vietnamese;
    {
        const StartupCatalogues catalogues(QStringLiteral("brisko_vi.qm"));
        QVERIFY(catalogues.programLoaded);
        vietnamese = chooserWords(kind, folder.path());
    }

    QCOMPARE(vietnamese.keys(), english.keys());
    QStringList untranslated;
    for (auto it = english.cbegin(); it != english.cend(); ++it) {
        if (vietnamese.value(it.key()) == it.value())
            untranslated << it.key() + QStringLiteral(": ") + it.value();
    }
    QVERIFY2(untranslated.isEmpty(), qUtf8Printable(untranslated.join(QStringLiteral("; "))));
}

// The scans that refresh the catalogues find no text the program marks that they lack: a
// text that the scans cannot see, or that nobody added, would show untranslated. Each
// catalogue's scan also reads the list of the toolkit's texts it carries, where it has one
// (lang/CMakeLists.txt).
void TestTranslations::everyMarkedTextIsInTheCatalogues() {
    QTemporaryDir copies;
    QVERIFY(copies.isValid());
    for (const char* language : {"vi", "en", "ja"}) {
        const QString name = QStringLiteral("brisko_%1.ts").arg(QLatin1String(language));
        const QString kept = QStringLiteral(BRISKO_SOURCE_DIR "/lang/") + name;
        QVERIFY(QFile::copy(kept, copies.filePath(name)));
        QStringList arguments = QStringLiteral(BRISKO_LUPDATE_ARGS).split(QLatin1Char('|'));
        const QString toolkit = QStringLiteral(BRISKO_SOURCE_DIR "/lang/toolkittexts_%1.cpp")
                                    .arg(QLatin1String(language));
        if (QFile::exists(toolkit))
            arguments << toolkit;
        arguments << QStringLiteral("-ts") << copies.filePath(name);
        QProcess lupdate;
        lupdate.setWorkingDirectory(QStringLiteral(BRISKO_SOURCE_DIR));
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(QStringLiteral(BRISKO_LUPDATE), arguments);
        QVERIFY(lupdate.waitForFinished(300000));
        QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
                 lupdate.readAll().constData());
        const QSet<QString> held = messagesOf(kept);
        QVERIFY(!held.isEmpty());
        QStringList missing = (messagesOf(copies.filePath(name)) - held).values();
        missing.sort();
        QVERIFY2(missing.isEmpty(), qUtf8Printable(name + QStringLiteral(" lacks: ") +
                                                   missing.join(QStringLiteral("; "))));
    }
}

// Texts translated through a context named in the call, outside any class's tr().
void TestTranslations::textsMarkedOutsideAClassAreTranslated() {
    QTranslator english;
    QVERIFY(english.load(QStringLiteral(BRISKO_LANG_DIR "/brisko_en.qm")));
    QCoreApplication::installTranslator(&english);
    const QString emptyName = nameRefusalText(QString());
    ScriptedUserPrompt prompt;
    prompt.answer(QMessageBox::Cancel);
    QVERIFY(!confirmLogout(nullptr));
    QCoreApplication::removeTranslator(&english);

    QCOMPARE(emptyName, QStringLiteral("The file name must not be empty."));
    QCOMPARE(prompt.asked().size(), 1);
    QCOMPARE(prompt.asked().first().title, QStringLiteral("Log out"));
    QCOMPARE(prompt.asked().first().text, QStringLiteral("Are you sure you want to log out?"));
}

void TestTranslations::textsShowWhole_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("Vietnamese") << "brisko_vi.qm";
    QTest::newRow("English") << "brisko_en.qm";
    QTest::newRow("Japanese") << "brisko_ja.qm";
}

// Every label, check box and button of the windows shows its whole text.
void TestTranslations::textsShowWhole() {
    QFETCH(QString, language);
    const DesktopLook desktop;
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(BRISKO_LANG_DIR "/") + language));
    QCoreApplication::installTranslator(&translator);
    QStringList clipped;
    auto check = [&clipped](const QString& name, QWidget& window) {
        for (const QString& text : clippedTexts(window))
            clipped << name + QStringLiteral(" ") + text;
    };
    measureWindows(check, false);
    QCoreApplication::removeTranslator(&translator);
    QVERIFY2(clipped.isEmpty(), qUtf8Printable(clipped.join(QStringLiteral("\n"))));
}

void TestTranslations::labelsShowWholeUnderTitleBands_data() {
    textsShowWhole_data();
}

// The labels of the popups show the tops of their glyphs, in the line right under the
// title band too (stacked Vietnamese accents, Japanese glyphs).
void TestTranslations::labelsShowWholeUnderTitleBands() {
    QFETCH(QString, language);
    if (!sessionStarted)
        QVERIFY(sessionStarted = session.start());
    const auto user = session.logIn(); // the folder trees list the demo account's folders
    QVERIFY(user);
    const DesktopLook desktop;
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(BRISKO_LANG_DIR "/") + language));
    QCoreApplication::installTranslator(&translator);
    QStringList cut;
    auto check = [&cut, &language](const QString& name, QWidget& window) {
        for (const QString& text : labelsCutAtTheTop(window))
            cut << name + QStringLiteral(" ") + text;
        leaveShot(window, language.section(QLatin1Char('.'), 0, 0) + QLatin1Char('-') + name);
    };
    measureWindows(check, true);
    // The folder trees' listings of the dialogs gone end before the next case.
    QVERIFY(ServiceCallRunner::waitForAllCalls(30000));
    QCoreApplication::sendPostedEvents();
    QCoreApplication::removeTranslator(&translator);
    QVERIFY2(cut.isEmpty(), qUtf8Printable(cut.join(QStringLiteral("\n"))));
}

void TestTranslations::tableTitlesShowWhole_data() {
    textsShowWhole_data();
}

// The column titles of the main window's tables show whole at the window's default size,
// as the tables open after the login in the chosen language.
void TestTranslations::tableTitlesShowWhole() {
    QFETCH(QString, language);
    if (!sessionStarted)
        QVERIFY(sessionStarted = session.start());
    const DesktopLook desktop;
    SettingsStore().setValue(SettingsKeys::Language, language);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(BRISKO_LANG_DIR "/") + language));
    QCoreApplication::installTranslator(&translator);
    auto window = loggedInWindow(session);
    QVERIFY(window);
    window->show();
    QCOMPARE(window->size(), QSize(1024, 640)); // the default size

    QStringList clipped;
    const QList<QTableView*> tables = window->findChildren<QTableView*>();
    QVERIFY(tables.size() >= 6); // the queues and finished lists, files and films
    for (QTableView* table : tables) {
        if (table->window() != window.get())
            continue; // a dialog's
        bringForward(table);
        QTRY_VERIFY2(table->isVisible(), qPrintable(table->objectName()));
        QCoreApplication::processEvents();
        clipped << clippedTitles(*table);
    }
    window.reset();
    QCoreApplication::removeTranslator(&translator);
    SettingsStore().remove(QString::fromLatin1(SettingsKeys::Language));
    QVERIFY2(clipped.isEmpty(), qUtf8Printable(clipped.join(QStringLiteral("\n"))));
}

void TestTranslations::choosersShowTheirButtonsWhole_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("over"); // see openChooserOver()
    for (const char* language : {"brisko_vi.qm", "brisko_en.qm", "brisko_ja.qm"}) {
        for (const char* over : {"upload", "options", "add links", "nothing"})
            QTest::addRow("%s over %s", language, over)
                << QString::fromLatin1(language) << QString::fromLatin1(over);
    }
}

// The choosers open at a size that shows their labels and buttons whole, the buttons with
// the window's margins around them, also over the windows whose style sheets reach them,
// in each language as start-up loads the catalogues.
void TestTranslations::choosersShowTheirButtonsWhole() {
    QFETCH(QString, language);
    QFETCH(QString, over);
    QVERIFY2(haveJapaneseFont(), "no font for Japanese is installed (fonts-ipafont-gothic)");
    const DesktopLook desktop;
    const StartupCatalogues catalogues(language);
    QVERIFY(catalogues.programLoaded);
    QStringList cut;
    const QString shot =
        language.section(QLatin1Char('.'), 0, 0) + QStringLiteral("-chooser-over-") + over;
    DialogWatch watch([&cut, &shot](QDialog& chooser) {
        cut = buttonCuts(chooser);
        leaveShot(chooser, shot);
    });
    openChooserOver(over);
    QCOMPARE(watch.seen, 1);
    QVERIFY2(cut.isEmpty(), qUtf8Printable(cut.join(QStringLiteral("\n"))));
}

void TestTranslations::boxesShowTheirButtonsWhole_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("overUpload"); // whose style sheet fixes every push button's width
    QTest::addColumn<bool>("ownAnswers"); // two answers of the program's, or standard buttons
    for (const char* language : {"brisko_vi.qm", "brisko_en.qm", "brisko_ja.qm"}) {
        for (bool overUpload : {true, false}) {
            for (bool ownAnswers : {false, true})
                QTest::addRow("%s %s over %s", language,
                              ownAnswers ? "two answers" : "ok retry cancel",
                              overUpload ? "upload" : "nothing")
                    << QString::fromLatin1(language) << overUpload << ownAnswers;
        }
    }
}

// The boxes show their buttons whole, also over a window whose style sheet reaches them, in
// each language as start-up loads the catalogues.
void TestTranslations::boxesShowTheirButtonsWhole() {
    QFETCH(QString, language);
    QFETCH(bool, overUpload);
    QFETCH(bool, ownAnswers);
    QVERIFY2(haveJapaneseFont(), "no font for Japanese is installed (fonts-ipafont-gothic)");
    const DesktopLook desktop;
    const StartupCatalogues catalogues(language);
    QVERIFY(catalogues.programLoaded);
    QStringList cut;
    const QString shot = language.section(QLatin1Char('.'), 0, 0) +
                         (ownAnswers ? QStringLiteral("-two-answers") : QStringLiteral("-box")) +
                         (overUpload ? QStringLiteral("-over-upload") : QString());
    DialogWatch watch([&cut, &shot](QDialog& box) {
        cut = buttonCuts(box);
        leaveShot(box, shot);
    });
    DialogUpload upload({});
    if (overUpload)
        upload.show();
    QWidget* const parent = overUpload ? &upload : nullptr;
    QtUserPrompt prompt;
    if (ownAnswers) {
        prompt.warningWithButtons(parent, QStringLiteral("Brisko"), QStringLiteral("?"),
                                  QCoreApplication::translate("DialogOption", "Khởi động lại"),
                                  QCoreApplication::translate("DialogOption", "Khởi động sau"));
    } else {
        prompt.warning(parent, QStringLiteral("Brisko"), QStringLiteral("?"),
                       QMessageBox::Ok | QMessageBox::Retry | QMessageBox::Cancel,
                       QMessageBox::NoButton);
    }
    QCOMPARE(watch.seen, 1);
    QVERIFY2(cut.isEmpty(), qUtf8Printable(cut.join(QStringLiteral("\n"))));
}

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
