// Cell values: empty, number, text, boolean or an error value.
#pragma once

#include <QString>

#include <cstdint>
#include <variant>

namespace bw::ss {

// The spreadsheet error values, numbered as the file format numbers them.
enum class ErrorValue : std::uint8_t {
    Null = 0x00,  // #NULL!
    Div0 = 0x07,  // #DIV/0!
    Value = 0x0F, // #VALUE!
    Ref = 0x17,   // #REF!
    Name = 0x1D,  // #NAME?
    Num = 0x24,   // #NUM!
    NA = 0x2A,    // #N/A
};

QString errorText(ErrorValue e);

// What a cell holds or a formula yields: nothing, a number, a text, a boolean or an
// error. Dates are numbers (serials of the 1900 date system) with a date format.
class Value {
public:
    enum class Type : std::uint8_t { Empty, Number, Text, Boolean, Error };

    Value() = default;
    static Value number(double v) { return Value(Storage(v)); }
    static Value text(QString v) { return Value(Storage(std::move(v))); }
    static Value boolean(bool v) { return Value(Storage(v)); }
    static Value error(ErrorValue v) { return Value(Storage(v)); }

    Type type() const { return static_cast<Type>(storage_.index()); }
    bool isEmpty() const { return type() == Type::Empty; }
    bool isNumber() const { return type() == Type::Number; }
    bool isText() const { return type() == Type::Text; }
    bool isBoolean() const { return type() == Type::Boolean; }
    bool isError() const { return type() == Type::Error; }

    double asNumber() const { return std::get<double>(storage_); }
    const QString& asText() const { return std::get<QString>(storage_); }
    bool asBoolean() const { return std::get<bool>(storage_); }
    ErrorValue asError() const { return std::get<ErrorValue>(storage_); }

    friend bool operator==(const Value&, const Value&) = default;

private:
    using Storage = std::variant<std::monostate, double, QString, bool, ErrorValue>;
    explicit Value(Storage s) : storage_(std::move(s)) {}
    Storage storage_;
};

} // namespace bw::ss
