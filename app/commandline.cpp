#include "app/commandline.h"

namespace vantrel {

namespace {

CommandLine refused(const QString& complaint) {
    CommandLine line;
    line.action = CommandLine::Action::Refuse;
    line.complaint = complaint;
    return line;
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments, const QDir& currentFolder) {
    QStringList files;
    bool help = false;
    bool version = false;
    bool optionsEnded = false;
    for (const QString& argument : arguments.mid(1)) {
        // A lone "-" is a name, as for most programs, not an option.
        const bool option = !optionsEnded && argument.size() > 1 && argument.startsWith(u'-');
        if (!option)
            files.append(argument);
        else if (argument == u"--")
            optionsEnded = true;
        else if (argument == u"--help" || argument == u"-h")
            help = true;
        else if (argument == u"--version")
            version = true;
        else
            return refused(QStringLiteral("unknown option '%1'").arg(argument));
    }
    if (files.size() > 1)
        return refused(QStringLiteral("one plan file at most, not %1").arg(files.size()));

    CommandLine line;
    if (help)
        line.action = CommandLine::Action::ShowHelp;
    else if (version)
        line.action = CommandLine::Action::ShowVersion;
    else if (!files.isEmpty())
        line.planFile = currentFolder.absoluteFilePath(files.front());
    return line;
}

QString usageText() {
    return QStringLiteral("Usage: vantrel [PLAN.ip]\n"
                          "       vantrel --help | --version\n"
                          "Plans network bandwidth, disk space and lenses for IP camera systems.\n"
                          "With a plan file, the window opens with that plan loaded.\n"
                          "\n"
                          "  -h, --help     show this text and exit\n"
                          "      --version  show the version and exit\n");
}

} // namespace vantrel
