#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

// A mark slot of a user record remembers how it came to be, because each way
// is written back with its own spelling.
struct Mark {
    enum class Form { Unset, Number, Text };

    Form form = Form::Unset;
    double number = 0; // Form::Number: the value read from the file
    QString text;      // Form::Text: the signed-in user's score text, kept verbatim

    static Mark fromNumber(double value) { return {Form::Number, value, {}}; }
    static Mark fromText(const QString& value) { return {Form::Text, 0, value}; }

    QString fileLine() const;       // "", " 5 " or "5"
    QString scoreText() const;      // what the signed-in user holds: "", "5", "0"
    bool operator==(const Mark&) const = default;
};

struct UserRecord {
    static constexpr int kSlots = 20;

    QString first;
    QString second;
    QString pass;
    QString zak; // bookmark: title of a paragraph, "" = none
    std::array<Mark, kSlots + 1> marks; // slots 1..20

    bool operator==(const UserRecord&) const = default;
};

// What went wrong reading a user base; empty `message` = read completely.
struct UserBaseProblem {
    QString message;
    int line = 0; // 1-based line of the file, 0 = the file as a whole

    bool isEmpty() const { return message.isEmpty(); }
    QString describe() const;
};

// The user base file: "predel" and the record count, then records of 24
// key/value pairs. Record 0 collects values met before the first "first" and
// is never written; the last record is the spare a new user moves into.
class UserBase {
public:
    static constexpr int kCapacity = 1000; // records, the spare included

    int count() const { return count_; }
    UserRecord& record(int index);             // 1..count()
    const UserRecord& record(int index) const; // 1..count()

    // Reads the whole file. Returns false when it cannot be opened; a damaged
    // file is read as far as it can be and `problem()` says where it broke.
    bool load(const QString& path);
    const UserBaseProblem& problem() const { return problem_; }

    // Only a base read completely may be written; with a new spare the table
    // grows by one empty record, unless it is full.
    enum class SaveResult { Saved, Damaged, Full, WriteFailed };
    SaveResult save(const QString& path, bool addSpare);

    QByteArray fileBytes() const;

    // Builds a base in memory (tests, administration).
    void setRecords(std::vector<UserRecord> records);

private:
    int count_ = 0;
    std::vector<UserRecord> records_{1}; // index 0 is the scratch record
    UserBaseProblem problem_;
};

// The first two lines only: the record count the identification window sizes
// itself by. -1 when the file cannot be opened.
int readUserCount(const QString& path);

// The new user's record alone, as 24 pairs.
bool writeNewUserCopy(const QString& path, const UserRecord& record);
