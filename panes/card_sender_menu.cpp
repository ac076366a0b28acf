#include "panes/card_sender_menu.h"

int SenderOfCardMenuEntry(const CardSenderMask& mask, int k)
{
    if (k < 1)
        return -1;
    for (std::size_t bit = 0; bit < mask.size(); ++bit)
        if (mask.test(bit) && --k == 0)
            return static_cast<int>(bit);
    return -1;
}
