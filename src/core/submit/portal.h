// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/io/httpget.h"
#include "core/io/result.h"
#include "core/sheet/tipsheet.h"

#include <QString>

namespace vendrilo {

// The hand-over of the sheet to an online lottery portal: the vendor's web service answers an
// address template, the program fills in the rows and the desktop opens the address.

// "/lotto/lotto.asp?Spiel=PELVANO&Wo=Lottoland&Tipps=" + the active row count, on the server.
QString portalTemplateUrl(const QString& server, int rowCount);
// The template used when the service answers an error without a message page.
QString fallbackPortalTemplate(const QString& server);
// The highest row whose row string is not ",,,,,"; 0 for an empty sheet.
int usedRows(const TipSheet& sheet);
// "[KASTEN1]".."[KASTEN12]" by the row strings, then "[ANZAHL]" and "[Anzahl]" by the used
// rows, each placeholder's first occurrence only.
QString fillPortalTemplate(QString address, const TipSheet& sheet);

// Templates longer than this are refused: no address of a portal is that long.
inline constexpr int kMaxTemplateLength = 2048;

struct PortalRequest {
    QString server;
    HttpProxy proxy;
    int rowCount = 12;   // the active row count beside the sheet
    QString messagePage; // where "Meldung.htm" goes (in the program folder)
};

// The address to open, or the message page written instead.
struct PortalHandOver {
    QString address;     // the filled template, an http(s) address
    QString messagePage; // the written page, when the service sent a "Mitteilung"
};

// Asks the service for the template and fills it. An error reply whose body holds "Mitteilung"
// is shown on the message page: its text, without any of its markup, escaped in a page of the
// program's own (line ends CR LF); another error reply takes the fallback template. A transport
// failure, a template over 2048 characters or a filled template that is no http(s) address is
// refused with a message: nothing is opened.
Result<PortalHandOver> handOverToPortal(const PortalRequest& request, const TipSheet& sheet,
                                        HttpGet& http);

} // namespace vendrilo
