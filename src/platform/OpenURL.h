#pragma once
#include <QString>

#include <functional>

// Shell open: hands a file, folder, web address or mail link to the desktop's default handler.
class TMisc {
public:
    // Enclosing double quotes are stripped; failures are not reported.
    static void Open(const QString &target);
    // Tests record the targets instead of opening them.
    static void setHook(std::function<void(const QString &)> hook);
};
