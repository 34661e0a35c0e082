// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "server/drawsource.h"
#include "server/http.h"
#include "server/serveroptions.h"

namespace vendrilo::server {

// What the server answers to a request: the draws of a day, the portal's address template, the
// cart page, or a refusal. Nothing here touches a socket.
class Answers {
public:
    // `plusDraws` may be null: the server then has no Lotto Plus to give.
    Answers(const ServerOptions& options, DrawSource& draws, DrawSource* plusDraws = nullptr);

    // ownAuthority is "host:port" of the listening socket the request came in on; without a
    // --public-url the default portal template points there. The request's own Host header is
    // never copied into an answer: a client chooses it freely.
    Response answer(const Request& request, const QByteArray& ownAuthority);

private:
    Response dayAnswer(const Request& request);
    Response portalAnswer(const Request& request, const QByteArray& ownAuthority) const;

    const ServerOptions& m_options;
    DrawSource& m_draws;
    DrawSource* m_plusDraws;
};

// The answer lines of one day: "DD.MM.YYYY,n1,n2,n3,n4,n5,n6;;;" and CR LF for every draw on
// that day, in file order.
QByteArray dayLines(const std::vector<DrawRecord>& records, double day);

// The default portal template: the cart page at `base` ("http://host:port" or the public address)
// with every placeholder the program fills.
QString defaultPortalTemplate(const QString& base, int tips);

// The page a user's browser lands on after the hand-over: the rows it received.
Response cartPage(const Request& request);

} // namespace vendrilo::server
