#include "TokiChoice.h"

#include "TokiAlarmFields.h"

#include <wx/choice.h>

void FillTokiChoice(wxChoice& choice, int twelveShiDisplay)
{
    choice.Clear();
    for (const char* name : TokiChoiceNames(twelveShiDisplay)) {
        choice.Append(wxString::FromUTF8(name));
    }
}
