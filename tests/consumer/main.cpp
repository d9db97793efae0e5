#include <orvkit/core/OrvkitConvert.h>
#include <orvkit/core/OrvkitFormatSettings.h>

#include <cstdio>

int main()
{
    orv::FormatSettings = orv::EnglishFormatSettings();
    const QString text = orv::FloatToGroupedText(1234567.891L, 2, false);
    std::puts(text.toUtf8().constData());
    return text == QStringLiteral("1,234,567.89") ? 0 : 1;
}
