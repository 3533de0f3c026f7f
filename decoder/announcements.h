#pragma once

#include <string>

#include "speech.h"

namespace vexil {

class FormLogic;

// When a screen reader is told what it cannot see by itself, so that each
// result is heard once and at the right moment:
// - the result after each choice, once all its handlers have run: where
//   the same key moved the focus (an arrow key among the options, a digit
//   in the chart), with the newly focused object, spoken with it; else at
//   once, of the focus;
// - while a typed number goes on from band to band and the value is not
//   yet whole, nothing;
// - the chart's keys, once a run, as its cursor first shows.
// Each event returns what to say; how it is said is the platform's.
class Announcements {
public:
    explicit Announcements(const FormLogic& form);

    // After each recomputation. True for the first since settle(): the
    // platform then has settle() run once the event's handlers are done.
    bool choiceMade();
    // A swatch of `band` was chosen: a typed digit goes on from there.
    void chosenIn(int band);

    // The focus moved to a control outside the colour chart: what to say
    // with it, if anything.
    std::string focusMoved();

    struct Cursor {
        std::string carried;   // to say with the swatch, if anything
        int leftBand = 0;      // the band the cursor left, or 0
        int enteredBand = 0;   // the band it entered, or 0
        std::string bandName;  // the entered band's name
    };
    // The chart's cursor moved onto a swatch of `band`, or the chart took
    // the focus.
    Cursor cursorMoved(int band);

    // Once every handler of a choice has run: the result to say now, of
    // the focus, if it still waits; where nothing has the focus (`heard`
    // false) it is dropped.
    std::string settle(bool heard = true);

    // The whole state, as where-am-I gives it.
    std::string state() const;

private:
    // The result as it is to be said now: what changed since it was last.
    std::string newResult();

    const FormLogic& form_;
    bool pending_ = false;  // a result not yet said
    bool settling_ = false;
    int cursorBand_ = 0;
    bool keysTold_ = false;
    int chosenBand_ = 0;  // the band of the swatch chosen last, until settled
    speech::Result lastSaid_;
};

}  // namespace vexil
