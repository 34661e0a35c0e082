// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drawsource.h"
#include "http.h"
#include "serveroptions.h"

namespace vendrilo::server {

// What the server answers to a request: the draws of a day, the portal's address template, the
// cart page, or a refusal. Nothing here touches a socket.
class Answers {
public:
    Answers(const ServerOptions& options, DrawSource& draws);

    // ownAuthority is "host:port" of the listening socket the request came in on; the default
    // portal template points there when the request names no usable host of its own.
    Response answer(const Request& request, const QByteArray& ownAuthority);

private:
    Response dayAnswer(const Request& request);
    Response portalAnswer(const Request& request, const QByteArray& ownAuthority) const;

    const ServerOptions& m_options;
    DrawSource& m_draws;
};

// The answer lines of one day: "DD.MM.YYYY,n1,n2,n3,n4,n5,n6;;;" and CR LF for every draw on
// that day, in file order.
QByteArray dayLines(const std::vector<DrawRecord>& records, double day);

// The default portal template: this server's cart page with every placeholder the program fills.
QString defaultPortalTemplate(const QByteArray& authority, int tips);

// The page a user's browser lands on after the hand-over: the rows it received.
Response cartPage(const Request& request);

} // namespace vendrilo::server
