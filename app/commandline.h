// What the program was asked to do on its command line: open its window,
// perhaps with a plan file, or answer on the terminal without a window.
#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

namespace vantrel {

struct CommandLine {
    enum class Action {
        OpenWindow, // with planFile loaded when one was given
        ShowHelp,   // the usage on standard output, exit status 0
        ShowVersion,
        Refuse, // complaint and the usage on standard error, exit status 2
    };
    Action action = Action::OpenWindow;
    // The plan to load, made absolute against the folder the program started in.
    QString planFile;
    // Why the arguments were refused, one line.
    QString complaint;
};

// `arguments` as main() gets them, the program's name first. One plan file,
// --help (-h) or --version; anything after "--" is a file name even when it
// starts with "-". An unknown option or a second file refuses the whole line.
CommandLine parseCommandLine(const QStringList& arguments, const QDir& currentFolder);

// The usage text for --help and after a refusal; ends with a newline.
QString usageText();

} // namespace vantrel
