#include "platform/trace.h"

#include <QByteArray>
#include <QtGlobal>

#include <cstdio>

namespace porimogu {

bool Tracing()
{
    static const bool on = qEnvironmentVariableIntValue("PORIMOGU_TRACE") == 1;
    return on;
}

void Trace(const char* what, const QString& detail)
{
    if (!Tracing())
        return;
    const QByteArray text = detail.toUtf8();
    std::fprintf(stderr, "porimogu-trace: %s%s%s\n", what, text.isEmpty() ? "" : " ", text.constData());
    std::fflush(stderr);
}

} // namespace porimogu
