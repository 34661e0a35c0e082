// SPDX-License-Identifier: GPL-3.0-or-later
// The portal hand-over with the service's answer as the input (its first byte picks the status):
// the template is filled with the sheet's rows, and only an http(s) address of at most 2048
// characters before filling is ever handed to the desktop; an error page with "Mitteilung" is
// written as the message page instead.
#include "core/submit/portal.h"
#include "fuzzsupport.h"

#include <QFile>

using namespace vendrilo;

namespace {

class ScriptedService : public HttpGet {
public:
    HttpAnswer answer;
    Result<HttpAnswer> get(const QString&, const HttpProxy&) override { return answer; }
};

TipSheet exampleSheet()
{
    TipSheet sheet;
    sheet.setRow(1, {1, 2, 3, 4, 5, 6});
    sheet.setRow(3, {44, 45, 46, 47, 48, 49});
    sheet.setField(5, 2, QStringLiteral("17"));
    return sheet;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    static const TipSheet sheet = exampleSheet();
    static const int statuses[4] = {200, 404, 500, 302};
    ScriptedService service;
    service.answer.status = statuses[data[0] % 4];
    service.answer.body = fuzz::bytesOf(data + 1, size - 1);

    const QString filled = fillPortalTemplate(QString::fromLatin1(service.answer.body), sheet);
    fuzz::require(!filled.contains(QStringLiteral("[KASTEN1]")) ||
                      QString::fromLatin1(service.answer.body).count(QStringLiteral("[KASTEN1]")) >
                          1,
                  "the first placeholder of a row is filled");

    PortalRequest request;
    request.server = QStringLiteral("http://127.0.0.1:8080");
    request.messagePage = fuzz::scratchPath(QStringLiteral("Meldung.htm"));
    QFile::remove(request.messagePage);
    const auto handOver = handOverToPortal(request, sheet, service);
    if (!handOver)
        return 0;
    if (!handOver->messagePage.isEmpty()) {
        fuzz::require(service.answer.status >= 400 && service.answer.body.contains("Mitteilung"),
                      "only an error page with a message is written");
        fuzz::require(QFile::exists(request.messagePage), "the message page is written");
        return 0;
    }
    fuzz::require(isWebAddress(handOver->address), "only a web address is opened");
    return 0;
}
