#pragma once

#include "resolution.h"
#include "resultmodel.h"
#include "validation.h"

class Platform;
class QWidget;

// What a search needs of the windows around it. The shell implements it with the
// real windows; tests implement it with a recorder.
class SearchHost {
public:
    virtual ~SearchHost() = default;

    // The window the search's messages belong to (the input window).
    virtual QWidget* messageOwner() = 0;
    // Puts the keyboard focus on a field of the input window.
    virtual void focusInputField(InputField field) = 0;
    // The result window's content; the first use creates the window, hidden.
    virtual ResultModel& resultModel() = 0;
    // Hides the input window and the exit screen, then shows the result window.
    virtual void handOverToResult() = 0;
};

// Writes the resolved profiles, captions and cusp text into the result and tells
// the user the verdict in a box owned by `owner`.
void AssembleResult(ResultModel& result, const CuspResolution& resolution, Platform& platform,
                    QWidget* owner);

// One press of "Find If I am Born in a Cusp": validate, reset the result window,
// resolve, assemble, swap the windows. A refused input changes nothing but the focus.
void RunCuspSearch(const BirthInput& input, SearchHost& host, Platform& platform);

// Caption of a profile panel: one blank after "Characteristics of" for the first,
// two for the second.
QString frameCaptionFor(ProfileSlot slot, const QString& signName);
