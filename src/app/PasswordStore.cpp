#include "app/PasswordStore.h"

#include "app/Crypt.h"
#include "base/IniValue.h"
#include "base/ProgramFolder.h"
#include "base/Text.h"

namespace PasswordStore {

QString path() { return ProgramFolder::file(FileName); }

std::optional<QString> read(const QString &path)
{
    QString value;
    if (!IniValue::readFile(path, Section, Key, value))
        return std::nullopt;
    try {
        return Text::trimmed(Crypt::UnscrambleFromHex(value));
    } catch (const Crypt::BadHex &) {
        return std::nullopt;
    }
}

bool write(const QString &path, const QString &storedForm)
{
    return IniValue::writeFile(path, Section, Key, Crypt::ScrambleToHex(storedForm));
}

QByteArray freshFile(const QString &password)
{
    return IniValue::replaced(QByteArray(), Section, Key, Crypt::ScrambleToHex(Crypt::storedForm(password)));
}

} // namespace PasswordStore
