#include "announcements.h"

#include "form_logic.h"

namespace vexil {

Announcements::Announcements(const FormLogic& form) : form_(form), lastSaid_(speech::resultOf(form.reading()))
{
}

std::string Announcements::newResult()
{
    const auto now = speech::resultOf(form_.reading());
    std::string text = speech::said(now, &lastSaid_);
    lastSaid_ = now;
    return text;
}

bool Announcements::choiceMade()
{
    pending_ = true;
    if (settling_)
        return false;
    settling_ = true;
    return true;
}

void Announcements::chosenIn(int band)
{
    chosenBand_ = band;
}

std::string Announcements::focusMoved()
{
    if (!pending_)
        return {};
    pending_ = false;
    return newResult();
}

Announcements::Cursor Announcements::cursorMoved(int band)
{
    Cursor out;
    // A digit typed goes on from its band to the next: while that band
    // still changes the value, the number is not yet whole, and its result
    // waits.
    const auto next = form_.roles().at(static_cast<std::size_t>(band - 1));
    if (pending_ && chosenBand_ != 0 && chosenBand_ != band && next != BandRole::Tolerance &&
        next != BandRole::Voltage && next != BandRole::None)
        pending_ = false;
    out.carried = pending_ ? newResult() : std::string();
    pending_ = false;
    // The chart's keys are told once a run, as the cursor first shows.
    if (!keysTold_) {
        keysTold_ = true;
        out.carried = out.carried.empty() ? speech::keys() : out.carried + ". " + speech::keys();
    }
    if (band != cursorBand_) {
        out.leftBand = cursorBand_;
        out.enteredBand = cursorBand_ = band;
        out.bandName = speech::band(next);
    }
    return out;
}

std::string Announcements::settle(bool heard)
{
    settling_ = false;
    chosenBand_ = 0;
    if (!pending_)
        return {};
    pending_ = false;
    return heard ? newResult() : std::string();
}

std::string Announcements::state() const
{
    return speech::state(form_);
}

}  // namespace vexil
