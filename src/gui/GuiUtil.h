#pragma once

#include <QDate>
#include <QString>

#include <functional>
#include <string>

class QDateEdit;
class QLabel;
class QWidget;

namespace zf {

class Session;

// Runs a command of the core; an error that ends it goes to the general error
// display. Returns false when the command failed.
bool runGuarded(Session& app, const std::function<void()>& command);

inline QString qs(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

// Day counts since 30.12.1899 <-> QDate.
QDate dateOfDay(double day);
int dayOfDate(const QDate& date);

// A label that opens `target` through the Shell port when clicked.
QLabel* linkLabel(Session& app, const QString& objectName, const QString& text, const QString& target, QWidget* parent);

// Lets a date field take typing as users expect: a click selects the part
// (day, month, year) under the mouse, so typed digits replace it; typing over
// the whole selected text starts at the day, so "15.01.2026" can be typed in
// one go.
void allowDateTyping(QDateEdit* edit);

// A plain label with an object name, so language files can find it.
QLabel* makeLabel(const QString& objectName, const QString& text, QWidget* parent);

} // namespace zf
