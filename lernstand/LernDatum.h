// The calendar day the card box schedules by.
#pragma once
#include <QDate>

class IUhr;

// Today's date for scheduling cards: the clock's date, or the date in the
// environment variable PENNORIA_LERNDATUM (yyyy-MM-dd) when it holds a valid
// one, so that several days of learning can be tried out in one sitting.
QDate LernHeute(IUhr &uhr);
