#pragma once

#include <QString>

#include <optional>

// The remember-me file: the box's state and the three box texts.
struct RememberedLogin {
    bool ticked = false;
    bool tickLineEmpty = false; // line 1 was empty (read only)
    QString firstName;
    QString surname;
    QString password;

    static std::optional<RememberedLogin> read(const QString& path);

    // An unticked box keeps the names but never the password: leaving it in
    // clear after the user asked not to be remembered would be a leak.
    bool write(const QString& path) const;
};
