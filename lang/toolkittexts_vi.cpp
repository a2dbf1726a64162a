// Read by the translation scan only (lang/CMakeLists.txt), never built: the toolkit's own
// texts that the Vietnamese catalogue carries. The system has no toolkit catalogue for
// Vietnamese (none is made), so without these the toolkit's buttons and choosers would
// read in English in the Vietnamese window. Where a toolkit catalogue is loaded it is
// asked first.
#include <QtGlobal>

// The texts on the standard buttons of the program's boxes, in the toolkit's own contexts
// (the generic one and GNOME's).
[[maybe_unused]] const char* const kToolkitButtonTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),  QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Retry"), QT_TRANSLATE_NOOP("QPlatformTheme", "Close"),
    QT_TRANSLATE_NOOP("QGnomeTheme", "&OK"),      QT_TRANSLATE_NOOP("QGnomeTheme", "&Cancel"),
    QT_TRANSLATE_NOOP("QGnomeTheme", "&Close"),
};

// The toolkit's file and folder chooser (every chooser of the program is the toolkit's own
// dialog), in its contexts: its labels, buttons, column titles, tool tips, menus and
// questions read in Vietnamese, not half in English.
[[maybe_unused]] const char* const kToolkitChooserTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "Open"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Save"),
    QT_TRANSLATE_NOOP("QFileDialog", "Look in:"),
    QT_TRANSLATE_NOOP("QFileDialog", "File &name:"),
    QT_TRANSLATE_NOOP("QFileDialog", "Files of type:"),
    QT_TRANSLATE_NOOP("QFileDialog", "Directory:"),
    QT_TRANSLATE_NOOP("QFileDialog", "&Open"),
    QT_TRANSLATE_NOOP("QFileDialog", "&Save"),
    QT_TRANSLATE_NOOP("QFileDialog", "&Choose"),
    QT_TRANSLATE_NOOP("QFileDialog", "Open"),
    QT_TRANSLATE_NOOP("QFileDialog", "Save As"),
    QT_TRANSLATE_NOOP("QFileDialog", "Find Directory"),
    QT_TRANSLATE_NOOP("QFileDialog", "All Files (*)"),
    QT_TRANSLATE_NOOP("QFileDialog", "Directories"),
    QT_TRANSLATE_NOOP("QFileDialog", "Back"),
    QT_TRANSLATE_NOOP("QFileDialog", "Forward"),
    QT_TRANSLATE_NOOP("QFileDialog", "Parent Directory"),
    QT_TRANSLATE_NOOP("QFileDialog", "Create New Folder"),
    QT_TRANSLATE_NOOP("QFileDialog", "List View"),
    QT_TRANSLATE_NOOP("QFileDialog", "Detail View"),
    QT_TRANSLATE_NOOP("QFileDialog", "Go back"),
    QT_TRANSLATE_NOOP("QFileDialog", "Go forward"),
    QT_TRANSLATE_NOOP("QFileDialog", "Go to the parent directory"),
    QT_TRANSLATE_NOOP("QFileDialog", "Create a New Folder"),
    QT_TRANSLATE_NOOP("QFileDialog", "Change to list view mode"),
    QT_TRANSLATE_NOOP("QFileDialog", "Change to detail view mode"),
    QT_TRANSLATE_NOOP("QFileDialog", "Alt+Left"),
    QT_TRANSLATE_NOOP("QFileDialog", "Alt+Right"),
    QT_TRANSLATE_NOOP("QFileDialog", "Alt+Up"),
    QT_TRANSLATE_NOOP("QFileDialog", "List of places and bookmarks"),
    QT_TRANSLATE_NOOP("QFileDialog", "Sidebar"),
    QT_TRANSLATE_NOOP("QFileDialog", "Recent Places"),
    QT_TRANSLATE_NOOP("QFileDialog", "Remove"),
    QT_TRANSLATE_NOOP("QFileDialog", "&Rename"),
    QT_TRANSLATE_NOOP("QFileDialog", "&Delete"),
    QT_TRANSLATE_NOOP("QFileDialog", "Show &hidden files"),
    QT_TRANSLATE_NOOP("QFileDialog", "&New Folder"),
    QT_TRANSLATE_NOOP("QFileDialog", "New Folder"),
    QT_TRANSLATE_NOOP("QFileDialog", "Show "),
    QT_TRANSLATE_NOOP("QFileDialog", "Delete"),
    QT_TRANSLATE_NOOP("QFileDialog", "Are you sure you want to delete '%1'?"),
    QT_TRANSLATE_NOOP("QFileDialog", "'%1' is write protected.\nDo you want to delete it anyway?"),
    QT_TRANSLATE_NOOP("QFileDialog", "Could not delete directory."),
    QT_TRANSLATE_NOOP("QFileDialog", "%1 already exists.\nDo you want to replace it?"),
    QT_TRANSLATE_NOOP("QFileDialog",
                      "%1\nFile not found.\nPlease verify the correct file name was given."),
    QT_TRANSLATE_NOOP("QFileDialog", "%1\nDirectory not found.\nPlease verify the correct "
                                     "directory name was given."),
    QT_TRANSLATE_NOOP("QFileDialog", "Drive"),
    QT_TRANSLATE_NOOP("QFileDialog", "%1 File"),
    QT_TRANSLATE_NOOP("QFileDialog", "File"),
    QT_TRANSLATE_NOOP("QFileDialog", "Files"),
    QT_TRANSLATE_NOOP("QFileSystemModel", "Name"),
    QT_TRANSLATE_NOOP("QFileSystemModel", "Size"),
    QT_TRANSLATE_NOOP("QFileSystemModel", "Date Modified"),
    QT_TRANSLATE_NOOP("QFileSystemModel", "Computer"),
    QT_TRANSLATE_NOOP("QFileSystemModel", "Invalid filename"),
    QT_TRANSLATE_NOOP("QFileSystemModel",
                      "<b>The name \"%1\" cannot be used.</b><p>Try using another name, with "
                      "fewer characters or no punctuation marks."),
};
// The two the toolkit asks for with a comment, which is part of what it looks up.
[[maybe_unused]] const struct {
    const char* source;
    const char* comment;
} kToolkitChooserTextsWithComment[] = {
    QT_TRANSLATE_NOOP3("QFileDialog", "Folder", "All other platforms"),
    QT_TRANSLATE_NOOP3("QFileSystemModel", "Type", "All other platforms"),
};
