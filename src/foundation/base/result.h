#pragma once

#include "foundation/base/errors.h"

#include <QString>
#include <QtGlobal>

#include <optional>
#include <utility>
#include <variant>

namespace tarvel {

// What an operation at a module's edge gives back: its value, or the Error
// that stopped it. Inside a subsystem failures are thrown; the edge catches
// them and returns one of these, so every caller reads a failure the same way.
template <typename T> class [[nodiscard]] Result {
public:
    Result(T value) : m_state(std::in_place_index<0>, std::move(value)) {}
    Result(Error error) : m_state(std::in_place_index<1>, std::move(error)) {}

    bool ok() const { return m_state.index() == 0; }
    explicit operator bool() const { return ok(); }

    T &value()
    {
        Q_ASSERT(ok());
        return std::get<0>(m_state);
    }
    const T &value() const
    {
        Q_ASSERT(ok());
        return std::get<0>(m_state);
    }
    T &operator*() { return value(); }
    const T &operator*() const { return value(); }
    T *operator->() { return &value(); }
    const T *operator->() const { return &value(); }

    const Error &error() const
    {
        Q_ASSERT(!ok());
        return std::get<1>(m_state);
    }
    // The cause in Turkish, or "" after a success: for messages built either way.
    QString errorText() const { return ok() ? QString() : error().description(); }

private:
    std::variant<T, Error> m_state;
};

// An operation that gives nothing back but may fail. A default one is a success.
template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Error error) : m_error(std::move(error)) {}

    bool ok() const { return !m_error; }
    explicit operator bool() const { return ok(); }

    const Error &error() const
    {
        Q_ASSERT(!ok());
        return *m_error;
    }
    QString errorText() const { return ok() ? QString() : m_error->description(); }

private:
    std::optional<Error> m_error;
};

} // namespace tarvel
