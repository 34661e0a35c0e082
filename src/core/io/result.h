// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <type_traits>
#include <utility>
#include <variant>

namespace vendrilo {

// What sort of failure an error is, for callers that act on it (retry, keep a file aside, tell
// a script by its exit status) without reading the words meant for the user.
enum class ErrorKind {
    Other,       // not sorted further
    NotFound,    // a file, folder or record that is not there
    Unreadable,  // there, but cannot be opened or read
    Unwritable,  // cannot be created, written or put in place
    Damaged,     // read, but not in the form the program writes
    BadInput,    // a value the user gave that is malformed or out of range
    Unavailable, // a server or the connection did not answer as it should
    Refused,     // a rule of the game or of the program says no (a run that cannot start)
};

// Why a piece of work failed, in words a user can act on (usually the file's name and the
// system's reason), and of what kind.
struct Error {
    QString message;
    ErrorKind kind = ErrorKind::Other;
};

// What a result may carry as its failure: the core's Error, or a caller's own extension of it
// that carries more along (the command line's exit status). error(), errorKind() and failure()
// read these two members.
template <typename E>
concept FailureType = std::is_convertible_v<decltype(E::message), QString> &&
    std::is_convertible_v<decltype(E::kind), ErrorKind>;

// The outcome of file work: a value, or the message to show. Every reader and writer of the
// program returns one, so that no failure can pass unnoticed. E is the failure's type; the core
// always uses Error.
template <typename T, FailureType E = Error> class [[nodiscard]] Result {
public:
    Result(T value) : m_state(std::move(value)) {}
    Result(E error) : m_state(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(m_state); }
    explicit operator bool() const { return ok(); }

    const T& value() const& { return std::get<T>(m_state); }
    T& value() & { return std::get<T>(m_state); }
    T&& value() && { return std::get<T>(std::move(m_state)); }
    const T* operator->() const { return &value(); }
    T* operator->() { return &value(); }
    const T& operator*() const& { return value(); }
    T& operator*() & { return value(); }

    const QString& error() const { return failure().message; }
    ErrorKind errorKind() const { return failure().kind; }
    // The failure as a whole, to hand on to a caller of another result type.
    const E& failure() const { return std::get<E>(m_state); }

private:
    std::variant<T, E> m_state;
};

// A result without a value: done, or the message.
template <FailureType E> class [[nodiscard]] Result<void, E> {
public:
    Result() = default;
    Result(E error) : m_error(std::move(error)), m_failed(true) {}

    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    const QString& error() const { return m_error.message; }
    ErrorKind errorKind() const { return m_error.kind; }
    const E& failure() const { return m_error; }

private:
    E m_error;
    bool m_failed = false;
};

using Status = Result<void>;

} // namespace vendrilo
