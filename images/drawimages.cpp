// Draws the program's pictures into the folder given as the only argument; see draw-images
// beside this file for how and when it runs. One flat style throughout: the blue accent
// for glyphs, bands and selections, neutral greys for surfaces and lines, red only for
// errors and the close button under the mouse. Small icons (16 to 23 px) use 1.5 px
// strokes, tool bar icons 2.5 px.
#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QVector>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

const QColor kAccent(0x2f, 0x6d, 0xb5);
const QColor kAccentDark(0x22, 0x53, 0x8e);
const QColor kAccentPale(0xe3, 0xed, 0xf8);
const QColor kInk(0x4a, 0x55, 0x68);
const QColor kMuted(0x9a, 0xa5, 0xb3);
const QColor kLine(0xcd, 0xd6, 0xe1);
const QColor kSurface(0xf3, 0xf6, 0xf9);
const QColor kDanger(0xd6, 0x45, 0x45);
const QColor kWhite(Qt::white);

constexpr qreal kSmallStroke = 1.5;
constexpr qreal kToolStroke = 2.5;

QString outDir;
int failures = 0;

QPen stroke(const QColor& colour, qreal width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Runs draw on a transparent canvas of the given size and saves it as PNG.
void png(const QString& name, int w, int h, const std::function<void(QPainter&)>& draw) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        draw(p);
    }
    if (!image.convertToFormat(QImage::Format_ARGB32).save(outDir + "/" + name, "PNG")) {
        std::fprintf(stderr, "drawimages: cannot write %s\n", qPrintable(name));
        ++failures;
    }
}

// ---- shapes shared by several pictures -------------------------------------------------

QPainterPath roundedRect(const QRectF& r, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

// A rectangle with only its top corners rounded (tabs, title strips).
QPainterPath topRounded(const QRectF& r, qreal radius) {
    QPainterPath path;
    path.moveTo(r.left(), r.bottom());
    path.lineTo(r.left(), r.top() + radius);
    path.arcTo(QRectF(r.left(), r.top(), 2 * radius, 2 * radius), 180, -90);
    path.lineTo(r.right() - radius, r.top());
    path.arcTo(QRectF(r.right() - 2 * radius, r.top(), 2 * radius, 2 * radius), 90, -90);
    path.lineTo(r.right(), r.bottom());
    path.closeSubpath();
    return path;
}

// A folder in the box r: a tab on the back sheet, the front sheet below it.
QPainterPath folderShape(const QRectF& r) {
    const qreal tabW = r.width() * 0.42, tabH = r.height() * 0.16, rad = r.height() * 0.1;
    QPainterPath path;
    path.moveTo(r.left(), r.top() + rad);
    path.quadTo(r.left(), r.top(), r.left() + rad, r.top());
    path.lineTo(r.left() + tabW - tabH, r.top());
    path.lineTo(r.left() + tabW, r.top() + tabH);
    path.lineTo(r.right() - rad, r.top() + tabH);
    path.quadTo(r.right(), r.top() + tabH, r.right(), r.top() + tabH + rad);
    path.lineTo(r.right(), r.bottom() - rad);
    path.quadTo(r.right(), r.bottom(), r.right() - rad, r.bottom());
    path.lineTo(r.left() + rad, r.bottom());
    path.quadTo(r.left(), r.bottom(), r.left(), r.bottom() - rad);
    path.closeSubpath();
    return path;
}

void arrow(QPainter& p, QPointF from, QPointF to, qreal head) {
    p.drawLine(from, to);
    const qreal angle = std::atan2(to.y() - from.y(), to.x() - from.x());
    const qreal spread = M_PI / 4;
    const QPointF a(to.x() - head * std::cos(angle - spread),
                    to.y() - head * std::sin(angle - spread));
    const QPointF b(to.x() - head * std::cos(angle + spread),
                    to.y() - head * std::sin(angle + spread));
    p.drawPolyline(QPolygonF({a, to, b}));
}

void playTriangle(QPainter& p, QPointF centre, qreal size, const QColor& colour) {
    const qreal h = size, w = size * 0.9;
    QPainterPath path;
    path.moveTo(centre.x() - w * 0.38, centre.y() - h / 2);
    path.lineTo(centre.x() + w * 0.62, centre.y());
    path.lineTo(centre.x() - w * 0.38, centre.y() + h / 2);
    path.closeSubpath();
    p.setPen(QPen(colour, size * 0.12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(colour);
    p.drawPath(path);
}

void pauseBars(QPainter& p, QPointF centre, qreal size, const QColor& colour) {
    const qreal barW = size * 0.3, gap = size * 0.22;
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(centre.x() - gap / 2 - barW, centre.y() - size / 2, barW, size),
                      barW * 0.3, barW * 0.3);
    p.drawRoundedRect(QRectF(centre.x() + gap / 2, centre.y() - size / 2, barW, size), barW * 0.3,
                      barW * 0.3);
}

void disc(QPainter& p, QPointF centre, qreal radius, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(centre, radius, radius);
}

// ---- window backgrounds ------------------------------------------------------------------

// The accent band across the top of a window background, `band` pixels high.
void accentBand(QPainter& p, int w, int band) {
    p.fillRect(QRectF(0, 0, w, band), kAccent);
    p.fillRect(QRectF(0, band, w, 1), kAccentDark);
    // A faint lighter sweep keeps the band from looking like a flat slab.
    QLinearGradient sheen(0, 0, w, band);
    sheen.setColorAt(0, QColor(255, 255, 255, 28));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(0, 0, w, band), sheen);
}

// A frameless window's face: white card with rounded, transparent corners, a thin border
// and a blue band that carries the white title text of the forms.
void dialogBackground(const QString& name, int w, int h, int band) {
    png(name, w, h, [=](QPainter& p) {
        const QRectF card(0.5, 0.5, w - 1, h - 1);
        const QPainterPath shape = roundedRect(card, 10);
        p.fillPath(shape, kWhite);
        p.save();
        p.setClipPath(shape);
        accentBand(p, w, band);
        p.restore();
        p.setPen(stroke(kAccentDark.darker(110), 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(shape);
    });
}

// The login window: white, with an accent band across the top like the other windows'
// bands, on which the logo sits and the status line shows in white; the busy animation's
// pale ring turns on it too.
void loginBackground(const QString& name, int w, int h, int band) {
    png(name, w, h, [=](QPainter& p) {
        const QPainterPath shape = roundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 10);
        p.fillPath(shape, kWhite);
        p.save();
        p.setClipPath(shape);
        accentBand(p, w, band);
        p.fillRect(QRectF(0, h - 44, w, 44), kSurface);
        p.fillRect(QRectF(0, h - 44, w, 1), kLine);
        p.restore();
        p.setPen(stroke(kAccentDark.darker(110), 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(shape);
    });
}

void backgrounds() {
    dialogBackground("popup_msg.png", 420, 220, 44);
    dialogBackground("popup_play.png", 369, 179, 32);
    dialogBackground("popup_download.png", 442, 219, 44);
    dialogBackground("popup_infofile.png", 396, 300, 44);
    dialogBackground("popup_about.png", 442, 179, 44);
    dialogBackground("popup_changePass.png", 442, 161, 40);
    dialogBackground("popup_folder_small.png", 442, 128, 40);
    dialogBackground("popup_movefile.png", 320, 350, 42);
    dialogBackground("popup_option_container.png", 584, 353, 50);
    dialogBackground("searchTitle_1.png", 600, 345, 44);
    dialogBackground("popup_subtitle.png", 442, 179, 44);
    loginBackground("form_logins.png", 441, 249, 58);
}

// ---- buttons, fields, tabs, strips -------------------------------------------------------

void pushButtons() {
    auto button = [](const QString& name, const QColor& fill, const QColor& border) {
        png(name, 95, 25, [=](QPainter& p) {
            p.setPen(stroke(border, 1));
            p.setBrush(fill);
            p.drawRoundedRect(QRectF(0.5, 0.5, 94, 24), 4, 4);
        });
    };
    button("login_bt_on.png", QColor(0xf8, 0xfa, 0xfc), QColor(0xbf, 0xca, 0xd8));
    button("login_bt_off.png", QColor(0xe2, 0xe8, 0xef), QColor(0xb0, 0xbc, 0xcb));

    auto field = [](const QString& name, int w, int h, const QColor& fill, const QColor& border) {
        png(name, w, h, [=](QPainter& p) {
            p.setPen(stroke(border, 1));
            p.setBrush(fill);
            p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 3, 3);
        });
    };
    field("login_textbox.png", 265, 20, kWhite, QColor(0xbf, 0xca, 0xd8));
    field("login_textbox_error.png", 265, 20, QColor(0xff, 0xf3, 0xf3), kDanger);
    field("field_mota.png", 265, 60, kWhite, QColor(0xbf, 0xca, 0xd8));
    field("form_tools_option_box.png", 121, 251, kWhite, kLine);

    png("list_2.png", 20, 20, [](QPainter& p) {
        p.setPen(stroke(kInk, kSmallStroke));
        p.drawPolyline(QPolygonF({QPointF(6, 8), QPointF(10, 12), QPointF(14, 8)}));
    });
}

// Title bar buttons: grey at rest, filled (red for close) when pressed or under the mouse.
void titleButtons() {
    using Glyph = std::function<void(QPainter&)>;
    auto make = [](const QString& base, const Glyph& glyph, const QColor& hot) {
        png(base + "_off.png", 18, 17, [=](QPainter& p) {
            p.setPen(stroke(kLine, 1));
            p.setBrush(QColor(0xee, 0xf2, 0xf7));
            p.drawRoundedRect(QRectF(0.5, 0.5, 17, 16), 3, 3);
            p.setPen(stroke(kInk, kSmallStroke));
            p.setBrush(Qt::NoBrush);
            glyph(p);
        });
        png(base + "_on.png", 18, 17, [=](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(hot);
            p.drawRoundedRect(QRectF(0, 0, 18, 17), 3, 3);
            p.setPen(stroke(kWhite, kSmallStroke));
            p.setBrush(Qt::NoBrush);
            glyph(p);
        });
    };
    make(
        "bt_close",
        [](QPainter& p) {
            p.drawLine(QPointF(6, 5.5), QPointF(12, 11.5));
            p.drawLine(QPointF(12, 5.5), QPointF(6, 11.5));
        },
        kDanger);
    make(
        "bt_hide", [](QPainter& p) { p.drawLine(QPointF(5.5, 11), QPointF(12.5, 11)); }, kAccent);
    make(
        "bt_zoom", [](QPainter& p) { p.drawRect(QRectF(5.5, 5, 7, 7)); }, kAccent);
    make(
        "bt_zoom_1",
        [](QPainter& p) {
            p.drawPolyline(QPolygonF({QPointF(7.5, 6), QPointF(7.5, 4.5), QPointF(13, 4.5),
                                      QPointF(13, 10), QPointF(11.5, 10)}));
            p.drawRect(QRectF(5, 7, 6.5, 6));
        },
        kAccent);
}

void tabsAndStrips() {
    png("subtabs.png", 144, 38, [](QPainter& p) {
        const QPainterPath shape = topRounded(QRectF(0.5, 0.5, 143, 38), 6);
        p.fillPath(shape, kWhite);
        p.setPen(stroke(kLine, 1));
        p.drawPath(shape);
        p.save();
        p.setClipPath(shape);
        p.fillRect(QRectF(0, 0, 144, 3), kAccent);
        p.restore();
    });
    // Unselected tabs, tool strip buttons, table header sections and size grips.
    png("subtabs_off.png", 144, 38, [](QPainter& p) {
        QLinearGradient g(0, 0, 0, 38);
        g.setColorAt(0, QColor(0xfa, 0xfb, 0xfd));
        g.setColorAt(1, QColor(0xec, 0xf0, 0xf5));
        p.fillRect(QRectF(0, 0, 144, 38), g);
        p.fillRect(QRectF(0, 37, 144, 1), kLine);
        p.fillRect(QRectF(143, 6, 1, 26), kLine);
    });
    png("maintabs_on.png", 120, 32, [](QPainter& p) {
        const QPainterPath shape = topRounded(QRectF(0.5, 0.5, 119, 32), 6);
        p.fillPath(shape, kWhite);
        p.setPen(stroke(kLine, 1));
        p.drawPath(shape);
        p.save();
        p.setClipPath(shape);
        p.fillRect(QRectF(0, 0, 120, 3), kAccent);
        p.restore();
    });
    png("maintabs_off.png", 120, 32, [](QPainter& p) {
        const QPainterPath shape = topRounded(QRectF(0.5, 0.5, 119, 32), 6);
        p.fillPath(shape, QColor(0xe6, 0xeb, 0xf1));
        p.setPen(stroke(kLine, 1));
        p.drawPath(shape);
    });

    auto header = [](const QString& name, int w, const QColor& top, const QColor& bottom,
                     const QColor& rule, int ruleHeight) {
        png(name, w, 35, [=](QPainter& p) {
            QLinearGradient g(0, 0, 0, 35);
            g.setColorAt(0, top);
            g.setColorAt(1, bottom);
            p.fillRect(QRectF(0, 0, w, 35), g);
            p.fillRect(QRectF(0, 35 - ruleHeight, w, ruleHeight), rule);
        });
    };
    header("bg_title_content_delay.png", 5, QColor(0xfa, 0xfb, 0xfd), QColor(0xee, 0xf2, 0xf6),
           kLine, 1);
    header("bg_title_content_delay_on.png", 5, QColor(0xee, 0xf4, 0xfc), kAccentPale, kAccent, 2);
    header("titlie_quanly_tree_mid.png", 6, QColor(0xf2, 0xf6, 0xfb), QColor(0xe4, 0xeb, 0xf3),
           kLine, 1);

    png("form_tools_option_title.png", 420, 35, [](QPainter& p) {
        const QPainterPath shape = topRounded(QRectF(0, 0, 420, 35), 6);
        p.fillPath(shape, kSurface);
        p.fillRect(QRectF(0, 33, 420, 2), kAccent);
    });
    // Holder of the start-all and pause-all buttons (16 x 16 at x 10 and x 44).
    png("bg_bt.png", 70, 22, [](QPainter& p) {
        p.setPen(stroke(kLine, 1));
        p.setBrush(kSurface);
        p.drawRoundedRect(QRectF(0.5, 0.5, 69, 21), 10.5, 10.5);
        p.fillRect(QRectF(35, 5, 1, 12), kLine);
    });
    png("bg_menu_top.png", 40, 22, [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(kAccentPale);
        p.drawRoundedRect(QRectF(0, 1, 40, 20), 3, 3);
    });
}

// The main window's own frame: the title bar in three pieces (the ends carry the rounded
// outer corners, the middle is tiled) and the tile behind the tab area. The window is
// translucent, so whatever these leave transparent is see-through.
void mainWindowFrame() {
    const QColor edge(0x9b, 0xbc, 0xe0);
    auto titleFill = [edge](QPainter& p, const QRectF& r) {
        QLinearGradient g(0, 0, 0, 40);
        g.setColorAt(0, kWhite);
        g.setColorAt(1, QColor(0xe8, 0xef, 0xf7));
        p.fillRect(r, g);
        p.fillRect(QRectF(r.left(), 0, r.width(), 3), kAccent);
        p.fillRect(QRectF(r.left(), 39, r.width(), 1), edge);
    };
    png("title_mid.png", 8, 40, [=](QPainter& p) { titleFill(p, QRectF(0, 0, 8, 40)); });
    auto end = [=](const QString& name, bool left) {
        png(name, 12, 40, [=](QPainter& p) {
            // A shape wider than the piece, so only the outer corner is rounded.
            const QRectF wide = left ? QRectF(0.5, 0.5, 30, 40) : QRectF(-19.5, 0.5, 31, 40);
            const QPainterPath shape = topRounded(wide, 8);
            p.save();
            p.setClipPath(shape);
            titleFill(p, QRectF(0, 0, 12, 40));
            p.restore();
            p.setPen(stroke(edge, 1));
            p.setBrush(Qt::NoBrush);
            p.drawPath(shape);
        });
    };
    end("title_left.png", true);
    end("title_right.png", false);
    png("mainform_body.png", 16, 16, [](QPainter& p) { p.fillRect(QRectF(0, 0, 16, 16), kSurface); });
}

// ---- small icons (menus, table cells, state decorations) -------------------------------

void stateIcons() {
    png("bt_start.png", 16, 16, [](QPainter& p) { playTriangle(p, QPointF(8, 8), 9, kAccent); });
    png("bt_pause.png", 16, 16, [](QPainter& p) { pauseBars(p, QPointF(8, 8), 9, kAccent); });
    png("erroricon.png", 16, 16, [](QPainter& p) {
        disc(p, QPointF(8, 8), 7, kDanger);
        p.setPen(stroke(kWhite, 1.8));
        p.drawLine(QPointF(8, 4.5), QPointF(8, 8.8));
        disc(p, QPointF(8, 11.6), 1.1, kWhite);
    });
    png("bt_start_all.png", 16, 16, [](QPainter& p) {
        disc(p, QPointF(8, 8), 7.5, kAccent);
        playTriangle(p, QPointF(8.2, 8), 6.5, kWhite);
    });
    png("bt_stop_all.png", 16, 16, [](QPainter& p) {
        disc(p, QPointF(8, 8), 7.5, kAccent);
        pauseBars(p, QPointF(8, 8), 6.5, kWhite);
    });
}

void arrowIcons() {
    png("bt_down.png", 16, 16, [](QPainter& p) {
        p.setPen(stroke(kAccent, kSmallStroke));
        arrow(p, QPointF(8, 2.5), QPointF(8, 10.5), 4.5);
        p.drawLine(QPointF(3, 13.5), QPointF(13, 13.5));
    });
    png("up.png", 16, 16, [](QPainter& p) {
        p.setPen(stroke(kAccent, kSmallStroke));
        arrow(p, QPointF(8, 13.5), QPointF(8, 2.5), 5);
    });
    png("down.png", 16, 16, [](QPainter& p) {
        p.setPen(stroke(kAccent, kSmallStroke));
        arrow(p, QPointF(8, 2.5), QPointF(8, 13.5), 5);
    });
    png("bt_logout.png", 16, 16, [](QPainter& p) {
        p.setPen(stroke(kAccent, kSmallStroke));
        p.drawPolyline(
            QPolygonF({QPointF(9, 2.5), QPointF(3, 2.5), QPointF(3, 13.5), QPointF(9, 13.5)}));
        arrow(p, QPointF(6.5, 8), QPointF(13.5, 8), 3.5);
    });
}

void fileActionIcons() {
    png("bt_exportfile_on.png", 16, 16, [](QPainter& p) {
        p.setPen(stroke(kAccent, kSmallStroke));
        p.setBrush(kAccentPale);
        p.drawRoundedRect(QRectF(5.5, 1.5, 8, 9.5), 1.5, 1.5);
        p.setBrush(kWhite);
        p.drawRoundedRect(QRectF(2.5, 5, 8, 9.5), 1.5, 1.5);
    });
    png("share.png", 16, 16, [](QPainter& p) {
        p.setPen(stroke(kAccent, kSmallStroke));
        p.drawLine(QPointF(4, 8), QPointF(12, 3.5));
        p.drawLine(QPointF(4, 8), QPointF(12, 12.5));
        disc(p, QPointF(12, 3.5), 2.3, kAccent);
        disc(p, QPointF(4, 8), 2.3, kAccent);
        disc(p, QPointF(12, 12.5), 2.3, kAccent);
    });
    png("sendEmail.png", 16, 16, [](QPainter& p) {
        p.setPen(stroke(kAccent, kSmallStroke));
        p.setBrush(kAccentPale);
        p.drawRoundedRect(QRectF(1.5, 3.5, 13, 9), 1.5, 1.5);
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({QPointF(2, 4.5), QPointF(8, 9), QPointF(14, 4.5)}));
    });
    png("icon_edit_file.png", 16, 16, [](QPainter& p) {
        p.setPen(stroke(kAccent, kSmallStroke));
        p.setBrush(kAccentPale);
        p.drawPolygon(QPolygonF({QPointF(10.5, 2.5), QPointF(13.5, 5.5), QPointF(5.5, 13.5),
                                 QPointF(2.5, 13.5), QPointF(2.5, 10.5)}));
        p.drawLine(QPointF(9, 4), QPointF(12, 7));
    });
    png("search.png", 21, 23, [](QPainter& p) {
        p.setPen(stroke(kAccent, 2));
        p.setBrush(kWhite);
        p.drawEllipse(QPointF(9, 9.5), 5.5, 5.5);
        p.setPen(stroke(kAccent, 2.8));
        p.drawLine(QPointF(13.2, 13.8), QPointF(17.5, 18.2));
    });
}

void padlock(QPainter& p, const QColor& colour, bool open) {
    p.setPen(stroke(colour, 1.6));
    p.setBrush(Qt::NoBrush);
    QPainterPath shackle;
    const qreal lift = open ? 2 : 0;
    shackle.moveTo(5, 7.5 - lift);
    shackle.lineTo(5, 5 - lift);
    shackle.arcTo(QRectF(5, 2 - lift, 6, 6), 180, -180);
    shackle.lineTo(11, open ? 5 - lift : 7.5);
    p.drawPath(shackle);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(3, 7, 10, 7.5), 1.5, 1.5);
    disc(p, QPointF(8, 10.2), 1.2, kWhite);
}

void key(QPainter& p, const QColor& colour) {
    p.setPen(stroke(colour, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(5, 8), 2.8, 2.8);
    p.drawLine(QPointF(7.8, 8), QPointF(14, 8));
    p.drawLine(QPointF(11.5, 8), QPointF(11.5, 10.5));
    p.drawLine(QPointF(14, 8), QPointF(14, 10));
}

void chainLink(QPainter& p, const QColor& colour, bool broken) {
    p.setPen(stroke(colour, 1.6));
    p.setBrush(Qt::NoBrush);
    p.save();
    p.translate(8, 8);
    p.rotate(-45);
    if (broken) {
        p.drawRoundedRect(QRectF(-8, -2.5, 6.5, 5), 2.5, 2.5);
        p.drawRoundedRect(QRectF(1.5, -2.5, 6.5, 5), 2.5, 2.5);
    } else {
        p.drawRoundedRect(QRectF(-7.5, -2.5, 8.5, 5), 2.5, 2.5);
        p.drawRoundedRect(QRectF(-1, -2.5, 8.5, 5), 2.5, 2.5);
    }
    p.restore();
    if (broken) {
        p.drawLine(QPointF(2.5, 3), QPointF(4, 4.5));
        p.drawLine(QPointF(12, 11.5), QPointF(13.5, 13));
    }
}

// Pairs of table cell icons: the accent one says "set", the grey one "not set".
void flagIcons() {
    png("lock.png", 16, 16, [](QPainter& p) { padlock(p, kAccent, false); });
    png("unlock.png", 16, 16, [](QPainter& p) { padlock(p, kMuted, true); });
    png("password.png", 16, 16, [](QPainter& p) { key(p, kAccent); });
    png("unpassword.png", 16, 16, [](QPainter& p) { key(p, kMuted); });
    png("direct_link.png", 16, 16, [](QPainter& p) { chainLink(p, kAccent, false); });
    png("undirect_link.png", 16, 16, [](QPainter& p) { chainLink(p, kMuted, true); });
}

void fileIcons() {
    png("icon_file.png", 21, 21, [](QPainter& p) {
        p.setPen(stroke(kAccent, kSmallStroke));
        p.setBrush(kWhite);
        p.drawPolygon(QPolygonF({QPointF(4.5, 2.5), QPointF(12.5, 2.5), QPointF(16.5, 6.5),
                                 QPointF(16.5, 18.5), QPointF(4.5, 18.5)}));
        p.drawPolyline(QPolygonF({QPointF(12.5, 2.5), QPointF(12.5, 6.5), QPointF(16.5, 6.5)}));
        p.drawLine(QPointF(7.5, 10.5), QPointF(13.5, 10.5));
        p.drawLine(QPointF(7.5, 13.5), QPointF(13.5, 13.5));
    });
    // "on" is the resting look of the folder button, "off" the pressed or hovered one.
    auto folder = [](const QString& name, const QColor& colour) {
        png(name, 21, 21, [=](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(colour);
            p.drawPath(folderShape(QRectF(2, 3.5, 17, 14)));
            p.setBrush(colour.lighter(125));
            p.drawRoundedRect(QRectF(2, 7.5, 17, 10), 1.5, 1.5);
        });
    };
    folder("folder_qlfile_on.png", kAccent);
    folder("folder_qlfile_off.png", kAccentDark);

    png("home.png", 72, 72, [](QPainter& p) {
        QPainterPath house;
        house.moveTo(36, 9);
        house.lineTo(64, 34);
        house.lineTo(56, 34);
        house.lineTo(56, 62);
        house.lineTo(16, 62);
        house.lineTo(16, 34);
        house.lineTo(8, 34);
        house.closeSubpath();
        p.setPen(QPen(kAccent, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(kAccent);
        p.drawPath(house);
        p.setPen(Qt::NoPen);
        p.setBrush(kWhite);
        p.drawRoundedRect(QRectF(29, 42, 14, 20), 3, 3);
    });
}

// ---- tool bar icons ------------------------------------------------------------------------

void toolbarIcons() {
    // The download and upload tool bars show these at 40 x 40.
    png("icon_batdau_on.png", 40, 40, [](QPainter& p) {
        disc(p, QPointF(20, 20), 16, kAccent);
        playTriangle(p, QPointF(20.5, 20), 14, kWhite);
    });
    png("icon_tamngung_on.png", 40, 40, [](QPainter& p) {
        disc(p, QPointF(20, 20), 16, kAccent);
        pauseBars(p, QPointF(20, 20), 13, kWhite);
    });
    png("icon_taomoi_on.png", 40, 40, [](QPainter& p) {
        disc(p, QPointF(20, 20), 16, kAccent);
        p.setPen(stroke(kWhite, 3));
        p.drawLine(QPointF(20, 12.5), QPointF(20, 27.5));
        p.drawLine(QPointF(12.5, 20), QPointF(27.5, 20));
    });
    png("icon_xoa_on.png", 25, 34, [](QPainter& p) {
        p.setPen(stroke(kAccent, kToolStroke));
        p.drawLine(QPointF(2.5, 9), QPointF(22.5, 9));
        p.drawRoundedRect(QRectF(9, 4.5, 7, 4.5), 1.5, 1.5);
        p.setPen(Qt::NoPen);
        p.setBrush(kAccent);
        p.drawRoundedRect(QRectF(4.5, 12, 16, 18.5), 2.5, 2.5);
        p.setPen(stroke(kWhite, 1.8));
        for (qreal x : {9.0, 12.5, 16.0})
            p.drawLine(QPointF(x, 16), QPointF(x, 26.5));
    });

    // The file manager's tool strip: 31 x 34 folders and a refresh, 30 x 30 upload.
    auto folderWith = [](const QString& name, const QColor& colour,
                         const std::function<void(QPainter&)>& mark) {
        png(name, 31, 34, [=](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(colour);
            p.drawPath(folderShape(QRectF(2, 7, 27, 21)));
            p.setBrush(colour.lighter(120));
            p.drawRoundedRect(QRectF(2, 12.5, 27, 15.5), 2, 2);
            p.setPen(stroke(kWhite, kToolStroke));
            p.setBrush(Qt::NoBrush);
            mark(p);
        });
    };
    auto plus = [](QPainter& p) {
        p.drawLine(QPointF(15.5, 15.5), QPointF(15.5, 25));
        p.drawLine(QPointF(10.75, 20.25), QPointF(20.25, 20.25));
    };
    folderWith("icon_taothumuc_on.png", kAccent, plus);
    folderWith("icon_taothumuc_off.png", kAccentDark, plus);
    folderWith("icon_move_on.png", kAccent,
               [](QPainter& p) { arrow(p, QPointF(9.5, 20.25), QPointF(21.5, 20.25), 4.5); });

    png("icon_capnhat_on.png", 31, 34, [](QPainter& p) {
        disc(p, QPointF(15.5, 17), 13.5, kAccent);
        p.setPen(stroke(kWhite, kToolStroke));
        p.setBrush(Qt::NoBrush);
        const QRectF ring(9, 10.5, 13, 13);
        p.drawArc(ring, 30 * 16, 150 * 16);
        p.drawArc(ring, 210 * 16, 150 * 16);
        // Arrow heads at the ends of both arcs, pointing along the turn.
        p.drawPolyline(QPolygonF({QPointF(22.5, 10.5), QPointF(21.2, 13.7), QPointF(18, 12.6)}));
        p.drawPolyline(QPolygonF({QPointF(8.5, 23.5), QPointF(9.8, 20.3), QPointF(13, 21.4)}));
    });
    png("go_up.png", 30, 30, [](QPainter& p) {
        disc(p, QPointF(15, 15), 13.5, kAccent);
        p.setPen(stroke(kWhite, kToolStroke));
        arrow(p, QPointF(15, 22), QPointF(15, 8.5), 6);
    });
}

// ---- brand: program icon, tray icons, logo, account picture --------------------------------

QPainterPath cloud(const QRectF& r) {
    const qreal w = r.width(), h = r.height();
    QPainterPath base, left, right;
    base.addRoundedRect(QRectF(r.left(), r.top() + h * 0.45, w, h * 0.55), h * 0.27, h * 0.27);
    left.addEllipse(QRectF(r.left() + w * 0.14, r.top() + h * 0.22, w * 0.38, h * 0.6));
    right.addEllipse(QRectF(r.left() + w * 0.36, r.top(), w * 0.46, h * 0.78));
    return base.united(left).united(right);
}

void brandIcons() {
    png("brisko_icon_128.png", 128, 128, [](QPainter& p) {
        QLinearGradient g(0, 0, 0, 128);
        g.setColorAt(0, kAccent.lighter(112));
        g.setColorAt(1, kAccent);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(QRectF(4, 4, 120, 120), 28, 28);
        p.setBrush(kWhite);
        p.drawPath(cloud(QRectF(20, 28, 88, 66)));
        p.setPen(QPen(kAccent, 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        arrow(p, QPointF(64, 48), QPointF(64, 82), 14);
    });

    // Tray icons: the program's square with the directions of the running transfers.
    auto tray = [](const QString& name, bool down, bool up) {
        png(name, 20, 20, [=](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(kAccent);
            p.drawRoundedRect(QRectF(0, 0, 20, 20), 4.5, 4.5);
            p.setPen(stroke(kWhite, 2));
            if (down && up) {
                arrow(p, QPointF(6.5, 15.5), QPointF(6.5, 4.5), 3.5);
                arrow(p, QPointF(13.5, 4.5), QPointF(13.5, 15.5), 3.5);
            } else if (down) {
                arrow(p, QPointF(10, 4), QPointF(10, 15.5), 5);
            } else {
                arrow(p, QPointF(10, 16), QPointF(10, 4.5), 5);
            }
        });
    };
    tray("icon_brisko_20x20_down.png", true, false);
    tray("icon_brisko_20x20_up.png", false, true);
    tray("icon_brisko_20x20_upndown.png", true, true);

    // The logo sits on white (login, title bar) and on the blue band (about): a white pill
    // reads on both.
    png("logo.png", 120, 21, [](QPainter& p) {
        p.setPen(stroke(kLine, 1));
        p.setBrush(kWhite);
        p.drawRoundedRect(QRectF(0.5, 0.5, 119, 20), 10, 10);
        p.setPen(Qt::NoPen);
        p.setBrush(kAccent);
        p.drawEllipse(QRectF(3, 3, 15, 15));
        p.setPen(stroke(kWhite, 1.8));
        arrow(p, QPointF(10.5, 6), QPointF(10.5, 14.5), 3.5);
        QFont font("DejaVu Sans");
        font.setPixelSize(12);
        font.setBold(true);
        p.setFont(font);
        p.setPen(kAccent);
        const QRectF text(23, 0, 95, 21);
        p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, "Brisko");
        const qreal brandWidth = QFontMetricsF(font).horizontalAdvance("Brisko ");
        font.setBold(false);
        p.setFont(font);
        p.setPen(kInk);
        p.drawText(text.adjusted(brandWidth, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, "Tool");
    });

    png("thongtin_icon.png", 58, 67, [](QPainter& p) {
        const QPainterPath card = roundedRect(QRectF(0.5, 0.5, 57, 66), 10);
        p.fillPath(card, kAccentPale);
        p.save();
        p.setClipPath(card);
        disc(p, QPointF(29, 25), 11, kAccent);
        p.setBrush(kAccent);
        p.drawEllipse(QRectF(9, 40, 40, 40));
        p.restore();
        p.setPen(stroke(kLine, 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(card);
    });
}

// Language choices: the flags of Viet Nam and of the United Kingdom.
void flags() {
    png("vna.png", 16, 11, [](QPainter& p) {
        p.fillRect(QRect(0, 0, 16, 11), QColor(0xda, 0x25, 0x1d));
        QPolygonF star;
        for (int i = 0; i < 10; ++i) {
            const qreal r = (i % 2) ? 1.6 : 4.0, a = -M_PI / 2 + i * M_PI / 5;
            star << QPointF(8 + r * std::cos(a), 5.8 + r * std::sin(a));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xff, 0xdd, 0x00));
        p.drawPolygon(star);
    });
    png("gb.png", 16, 11, [](QPainter& p) {
        const QColor blue(0x01, 0x21, 0x69), red(0xc8, 0x10, 0x2e);
        p.fillRect(QRect(0, 0, 16, 11), blue);
        p.setClipRect(QRect(0, 0, 16, 11));
        p.setPen(QPen(kWhite, 2.6));
        p.drawLine(QPointF(0, 0), QPointF(16, 11));
        p.drawLine(QPointF(16, 0), QPointF(0, 11));
        p.setPen(QPen(red, 1));
        p.drawLine(QPointF(0, 0), QPointF(16, 11));
        p.drawLine(QPointF(16, 0), QPointF(0, 11));
        p.fillRect(QRectF(6, 0, 4, 11), kWhite);
        p.fillRect(QRectF(0, 3.5, 16, 4), kWhite);
        p.fillRect(QRectF(7, 0, 2, 11), red);
        p.fillRect(QRectF(0, 4.5, 16, 2), red);
    });
}

// ---- the busy animation (GIF) --------------------------------------------------------------

// Bit packer of GIF's LZW stream: codes go in least significant bit first.
class BitWriter {
public:
    void put(int code, int width) {
        m_acc |= quint32(code) << m_bits;
        m_bits += width;
        while (m_bits >= 8) {
            m_bytes.append(char(m_acc & 0xff));
            m_acc >>= 8;
            m_bits -= 8;
        }
    }
    QByteArray finish() {
        if (m_bits > 0)
            m_bytes.append(char(m_acc & 0xff));
        m_acc = 0;
        m_bits = 0;
        return m_bytes;
    }

private:
    QByteArray m_bytes;
    quint32 m_acc = 0;
    int m_bits = 0;
};

QByteArray lzwEncode(const QByteArray& pixels, int minCodeSize) {
    const int clear = 1 << minCodeSize, end = clear + 1;
    BitWriter out;
    QHash<quint32, int> table;
    int codeSize = minCodeSize + 1, maxCode = end;
    out.put(clear, codeSize);
    int current = quint8(pixels.at(0));
    for (int i = 1; i < pixels.size(); ++i) {
        const int next = quint8(pixels.at(i));
        const quint32 key = (quint32(current) << 8) | quint32(next);
        const auto found = table.constFind(key);
        if (found != table.constEnd()) {
            current = *found;
            continue;
        }
        out.put(current, codeSize);
        table.insert(key, ++maxCode);
        if (maxCode >= (1 << codeSize))
            ++codeSize;
        if (maxCode == 4095) {
            out.put(clear, codeSize);
            table.clear();
            codeSize = minCodeSize + 1;
            maxCode = end;
        }
        current = next;
    }
    out.put(current, codeSize);
    out.put(clear, codeSize);
    out.put(end, minCodeSize + 1);
    return out.finish();
}

void putWord(QByteArray& out, int value) {
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

// An animated GIF over a palette that runs from white (index 1) to the accent (index 255);
// index 0 is transparent. Each pixel's coverage picks its index, so edges are smooth on the
// light faces where the animation is shown.
QByteArray encodeGif(const QVector<QImage>& frames, int delayCentiseconds) {
    const int w = frames.first().width(), h = frames.first().height();
    QByteArray gif("GIF89a");
    putWord(gif, w);
    putWord(gif, h);
    gif.append(char(0xf7)); // global colour table of 256 entries
    gif.append(char(0));
    gif.append(char(0));
    for (int i = 0; i < 256; ++i) {
        const qreal t = i == 0 ? 0 : (i - 1) / 254.0;
        const QColor c =
            i == 0 ? kWhite
                   : QColor::fromRgbF(1 + t * (kAccent.redF() - 1), 1 + t * (kAccent.greenF() - 1),
                                      1 + t * (kAccent.blueF() - 1));
        gif.append(char(c.red()));
        gif.append(char(c.green()));
        gif.append(char(c.blue()));
    }
    gif.append("\x21\xff\x0bNETSCAPE2.0\x03\x01", 16); // loop for ever
    putWord(gif, 0);
    gif.append(char(0));
    for (const QImage& frame : frames) {
        gif.append("\x21\xf9\x04", 3);
        gif.append(char(0x09)); // restore to background, transparent index given
        putWord(gif, delayCentiseconds);
        gif.append(char(0));
        gif.append(char(0));
        gif.append(char(0x2c));
        putWord(gif, 0);
        putWord(gif, 0);
        putWord(gif, w);
        putWord(gif, h);
        gif.append(char(0));
        QByteArray indices;
        indices.reserve(w * h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const int alpha = qAlpha(frame.pixel(x, y));
                indices.append(char(alpha == 0 ? 0 : 1 + qRound(alpha * 254 / 255.0)));
            }
        gif.append(char(8));
        const QByteArray data = lzwEncode(indices, 8);
        for (int pos = 0; pos < data.size(); pos += 255) {
            const int n = qMin(255, data.size() - pos);
            gif.append(char(n));
            gif.append(data.mid(pos, n));
        }
        gif.append(char(0));
    }
    gif.append(char(0x3b));
    return gif;
}

// A pale ring with an accent arc that turns by 30 degrees a frame.
QImage spinnerFrame(int index) {
    QImage image(50, 50, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF ring(9, 9, 32, 32);
    p.setPen(QPen(QColor(0, 0, 0, 45), 5));
    p.drawEllipse(ring);
    p.setPen(QPen(QColor(0, 0, 0, 255), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(ring, (90 - index * 30) * 16, -100 * 16);
    return image;
}

void busyAnimation() {
    QVector<QImage> frames;
    for (int i = 0; i < 12; ++i)
        frames << spinnerFrame(i);
    const QByteArray gif = encodeGif(frames, 8);
    QFile file(outDir + "/load.gif");
    if (!file.open(QIODevice::WriteOnly) || file.write(gif) != gif.size()) {
        std::fprintf(stderr, "drawimages: cannot write load.gif\n");
        ++failures;
        return;
    }
    file.close();
    // Read it back: every frame must decode to the coverage it was drawn with.
    QImageReader reader(file.fileName());
    for (int i = 0; i < frames.size(); ++i) {
        const QImage back = reader.read();
        bool same = !back.isNull();
        for (int y = 0; same && y < 50; ++y)
            for (int x = 0; same && x < 50; ++x)
                same = (qAlpha(back.pixel(x, y)) == 0) == (qAlpha(frames[i].pixel(x, y)) == 0);
        if (!same) {
            std::fprintf(stderr, "drawimages: load.gif frame %d does not read back\n", i);
            ++failures;
            return;
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2 || !QDir(argv[1]).exists()) {
        std::fprintf(stderr, "usage: drawimages OUTPUT-FOLDER\n");
        return 2;
    }
    outDir = QString::fromLocal8Bit(argv[1]);
    backgrounds();
    pushButtons();
    titleButtons();
    tabsAndStrips();
    mainWindowFrame();
    stateIcons();
    arrowIcons();
    fileActionIcons();
    flagIcons();
    fileIcons();
    toolbarIcons();
    brandIcons();
    flags();
    busyAnimation();
    return failures == 0 ? 0 : 1;
}
