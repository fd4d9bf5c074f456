#include "cli/session.h"

#include "cli/exit_codes.h"
#include "cli/output/messages.h"

#include <algorithm>

void Fail(Session& session, int exitCode, std::string_view message) {
    session.worst = std::max(session.worst, exitCode);
    ReportError(session.errorDescriptor, message);
}

void StartTable(Session& session, const Record& columns) {
    if (session.format == Format::Table) {
        WriteHeader(session.out.buffer, columns);
    }
}

void Write(Session& session, const Record& record) {
    WriteRecord(session.out.buffer, session.format, record);
    EndAnswer(session);
}

void EndAnswer(Session& session) {
    if (!session.holdAnswers) {
        EndRecord(session.out);
    }
}

int FinishRun(Session& session) {
    Flush(session.out);
    if (session.out.error != 0) {
        ReportError(session.errorDescriptor,
                    InputOutputProblem("write standard output", session.out.error));
        session.worst = std::max(session.worst, InputOutputExit);
    }
    return session.worst;
}
