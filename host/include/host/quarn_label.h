#pragma once
// IQuarnLabel: the page interface the host drives, in slot order, and the
// plug-in's one entry. Reserved slots keep their argument lists so that the
// host's calls balance; a page answers them with fixed values.
#include "platform/geometry.h"

#include <cstdint>
#include <string>

class IVistranoLabel;

class IQuarnLabel {
public:
    virtual int Activate() = 0;                                                        // 0
    virtual void MoveTo(CRect rect) = 0;                                               // 1
    virtual void Release() = 0;                                                        // 2
    virtual void Reserved3() = 0;                                                      // 3
    virtual int ApplyLanguage() = 0;                                                   // 4
    virtual void ReloadImages() = 0;                                                   // 5
    virtual int Update(int32_t mask, int32_t word, int32_t relayout) = 0;              // 6
    virtual int Show(int32_t show) = 0;                                                // 7: previous visibility
    virtual int IsShown() = 0;                                                         // 8
    virtual int Reserved9() = 0;                                                       // 9: 1
    virtual int Reserved10() = 0;                                                      // 10: 1
    virtual int Reserved11(const std::string& text) = 0;                               // 11: 1
    virtual void Reserved12() = 0;                                                     // 12
    virtual void Reserved13() = 0;                                                     // 13
    virtual int Reserved14(int32_t a) = 0;                                             // 14: 1
    virtual void Reserved15(int32_t a) = 0;                                            // 15
    virtual int Reserved16(int32_t a, int32_t b) = 0;                                  // 16: 1
    virtual int Reserved17(int32_t a, int32_t b, int32_t c, int32_t d, int32_t e) = 0; // 17: 0
    virtual int Reserved18(int32_t a, int32_t b, int32_t c, int32_t d) = 0;            // 18: 0
    virtual int Reserved19(int32_t a, int32_t b, int32_t c, int32_t d, int32_t e) = 0; // 19: 0
    virtual int Reserved20(int32_t a, int32_t b, int32_t c, int32_t d, int32_t e) = 0; // 20: 0
    virtual void Reserved21(int32_t a) = 0;                                            // 21
    virtual void Reserved22() = 0;                                                     // 22
    virtual int Reserved23() = 0;                                                      // 23: 0
    virtual int Reserved24(int32_t a, int32_t b, int32_t c, int32_t d, int32_t e, int32_t f) = 0;    // 24: 0
    virtual int Reserved25(int32_t a, int32_t b, const std::string& text, int32_t c, int32_t d) = 0; // 25: 0
    virtual void Reserved26(int32_t a, int32_t b, int32_t c, int32_t d, int32_t e, int32_t f) = 0;   // 26
    virtual void Reserved27(int32_t a) = 0;                                                          // 27
    virtual void Reserved28(const std::string& text1, int32_t a, int32_t b, int32_t c, int32_t d,
                            const std::string& text2)
        = 0; // 28

protected:
    // The host ends a page with Release, never with delete.
    ~IQuarnLabel() = default;
};

// The plug-in's entry: takes the host's label interface and hands back the
// page's. Answers 1 on success, 0 on failure.
extern "C" {
typedef int (*PFN_MONITOR_INIT)(IVistranoLabel* host, IQuarnLabel** out);
}
constexpr const char* kMonitorInitSymbol = "Monitor_Init";
