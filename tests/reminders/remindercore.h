#pragma once

// The reminders core without a widget, in one executable: tst_reminderrecord.cpp holds the
// record, its dates, the due rule and the views, tst_reminderfile.cpp the reminder file.

#include "reminders/reminderfile.h"

#include <QByteArray>
#include <QObject>
#include <QTemporaryDir>

#include <memory>

class tst_ReminderCore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // tst_reminderrecord.cpp
    void storedBytes_data();
    void storedBytes();
    void readBack();
    void readDate_data();
    void readDate();
    void dueRule_data();
    void dueRule();
    void upcomingCountsEachMatchingDay_data();
    void upcomingCountsEachMatchingDay();
    void upcomingOrder();
    void lines_data();
    void lines();
    void daysChecked_data();
    void daysChecked();

    // tst_reminderfile.cpp
    void defaultRecord_data();
    void defaultRecord();
    void datesAcrossLocales_data();
    void datesAcrossLocales();
    void counts_data();
    void counts();
    void readOnlyWritesNothing_data();
    void readOnlyWritesNothing();
    void writeChangesOnlyItsRecord();
    void appendAndReadPastTheEnd();
    void remove_data();
    void remove();
    void removePastOnce();
    void theLock();
    void replacedBehindOurBack();
    void compactionFailureLeavesFileAlone();
    void holdsTheFileWhileOpen();
    void hostileFiles_data();
    void hostileFiles();

private:
    QString path() const;
    QByteArray contents() const;
    void put(const QByteArray &bytes);

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<nookery::ReminderFile> file;
};
