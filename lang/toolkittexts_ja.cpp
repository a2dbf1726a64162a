// Read by the translation scan only (lang/CMakeLists.txt), never built: the toolkit's own
// texts that the Japanese catalogue carries, those the toolkit's Japanese catalogue (which
// start-up loads after ours, so that it is asked first) lacks. Its texts are not copied.
#include <QtGlobal>

// The toolkit's catalogue has only an older wording of it.
[[maybe_unused]] const char* const kToolkitTextsMissingInJapanese[] = {
    QT_TRANSLATE_NOOP("QFileSystemModel",
                      "<b>The name \"%1\" cannot be used.</b><p>Try using another name, with "
                      "fewer characters or no punctuation marks."),
};
