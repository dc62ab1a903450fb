// The plan as a printed page or a PDF shows it: a heading, the grid as the
// window shows it, the totals under their columns and the note on frame sizes.
#pragma once

#include "planner/plancopy.h"

#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace vantrel {

struct PlanReport {
    QString title;    // the program's name and version
    QString date;     // in the window's language
    QString fileName; // the plan's file name; empty for a plan never saved or loaded
    QStringList captions;
    QList<QStringList> rows;  // as many texts as captions, in the same order
    QList<TotalUnder> totals; // by position among the captions
    QString totalsLabel;
    QString note;
};

// The locale the window speaks: Russian on a Russian system (language byte
// 25), else English with the user's territory for the date's form.
QLocale windowLocale(int systemLanguage);

// "Vantrel 3.0.0.20", or the name alone when the version cannot be read.
QString reportTitle();

// The date as the window's language writes it in full.
QString reportDate(const QDate& date, int systemLanguage);

// The note on frame sizes that the banner under the grid starts with, in the
// window's language, with the address of its explanation.
QString frameSizeNote(int systemLanguage);

} // namespace vantrel
