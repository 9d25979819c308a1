#pragma once

#include "foundation/base/errors.h"

#include <QString>

namespace tarvel {

// Tells from the statements of a run when the server is gone: a connection
// that broke off, or two statements in a row that got no answer. The run then
// stops and keeps what it has, rather than wait out the timeout of every
// statement left (minutes on a long run).
class ServerStop {
public:
    // A run begins.
    void reset() { *this = ServerStop{}; }
    // A statement got its answer (a refusal is one too).
    void answered() { m_noAnswers = 0; }
    // A statement failed; true when the run must stop now (text() says why).
    bool failed(const ErpError &error);
    bool stopped() const { return !m_text.isEmpty(); }
    const QString &text() const { return m_text; }

private:
    int m_noAnswers = 0;
    QString m_text;
};

// What a run stopped by this failure says, in Turkish: that the server does
// not answer or the connection broke off, and that the work stopped there.
QString serverStopText(const ErpError &error);

} // namespace tarvel
