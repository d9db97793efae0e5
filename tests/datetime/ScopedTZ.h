#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <ctime>

// Sets $TZ for the length of a scope, so that no result depends on the machine's zone.
class ScopedTZ {
public:
    explicit ScopedTZ(const char* tz) : fHad(qEnvironmentVariableIsSet("TZ")), fSaved(qgetenv("TZ"))
    {
        qputenv("TZ", tz);
        tzset();
    }
    ~ScopedTZ()
    {
        if (fHad)
            qputenv("TZ", fSaved);
        else
            qunsetenv("TZ");
        tzset();
    }
    ScopedTZ(const ScopedTZ&) = delete;
    ScopedTZ& operator=(const ScopedTZ&) = delete;

private:
    bool fHad;
    QByteArray fSaved;
};
