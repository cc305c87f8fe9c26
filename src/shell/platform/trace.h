#pragma once
// With PORIMOGU_TRACE=1 in the environment the game says on standard error what it
// does, one line per event, so that a test or a curious developer can follow it:
//   porimogu-trace: state playing time=81 points=0
//   porimogu-trace: points 10
//   porimogu-trace: box 音楽データが ありません
//   porimogu-trace: window TopDlg shown 336x360 TopList Dialog
// The variable is read once; without it nothing is written and a call costs one test.
#include <QString>

namespace porimogu {

bool Tracing();

// Writes "porimogu-trace: WHAT DETAIL" when tracing. Callers that would build a detail
// at some cost ask Tracing() first.
void Trace(const char* what, const QString& detail = {});

} // namespace porimogu
