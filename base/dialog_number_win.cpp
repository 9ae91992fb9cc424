#include "base/dialog_number_win.h"

int GetDlgItemIntLimited(HWND dialog, int item, int &theNumber, int minimum, int maximum)
{
    BOOL read;
    int value = static_cast<int>(GetDlgItemInt(dialog, item, &read, TRUE));
    if (read && minimum <= value && value <= maximum) {
        theNumber = value;
        return 0;
    }
    theNumber = read && value > maximum ? maximum : minimum;
    SetDlgItemInt(dialog, item, theNumber, TRUE);
    return 1;
}
