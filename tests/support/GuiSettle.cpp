#include "GuiSettle.h"

#include <wx/app.h>
#include <wx/utils.h>

void Settle()
{
    for (int i = 0; i < 5; ++i) {
        wxTheApp->ProcessPendingEvents();
        wxTheApp->Yield(true);
    }
}

bool SettleUntil(const std::function<bool()>& done)
{
    for (int round = 0; round < 300; ++round) {
        if (done()) {
            return true;
        }
        Settle();
        wxMilliSleep(5);
    }
    return done();
}
