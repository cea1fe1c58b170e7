#include "files/fileerror.h"

#include <cerrno>
#include <string>

namespace trovanta::files {

std::string fileErrorMessage(int errorNumber)
{
    switch (errorNumber) {
    case ENOENT:
    case ENOTDIR:
        return msg::FileNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
        return msg::AccessDenied;
    case EINVAL:
    case ENAMETOOLONG:
    case EISDIR:
        return msg::InvalidFileName;
    case EMFILE:
    case ENFILE:
        return msg::TooManyOpenFiles;
    default:
        return formatMessage(msg::IoError, std::to_string(errorNumber));
    }
}

Error fileError(int errorNumber) { return Error(fileErrorMessage(errorNumber)); }

Error cannotWriteTo(const QString &path)
{
    return Error(formatMessage(msg::CannotWriteTo, path.toStdString()));
}

Error cannotCreate(const QString &fileName)
{
    return Error(formatMessage(msg::CannotCreate, fileName.toStdString()));
}

Error notGearFile(const QString &fileName)
{
    return Error(formatMessage(msg::NotGearFile, fileName.toStdString()));
}

} // namespace trovanta::files
