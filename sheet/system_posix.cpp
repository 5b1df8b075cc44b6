#include "system.h"

#include <QFile>
#include <QFileInfo>
#include <fcntl.h>

namespace mx::sheet_tool {

void setUpStandardStreams() {}

std::vector<std::string> commandArguments(int argc, char *argv[]) {
    return {argv + 1, argv + argc};
}

int openForReading(const std::string &path) {
    return ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
}

QString executableFolder() {
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).absolutePath();
}

} // namespace mx::sheet_tool
