#pragma once
// The reserved slots of IQuarnLabel with the fixed answers every page gives:
// a page derives from this and implements only the operations that act.
#include "host/quarn_label.h"

class CQuarnLabelReserved : public IQuarnLabel {
public:
    void Reserved3() override {}
    int Reserved9() override { return 1; }
    int Reserved10() override { return 1; }
    int Reserved11(const std::string&) override { return 1; }
    void Reserved12() override {}
    void Reserved13() override {}
    int Reserved14(int32_t) override { return 1; }
    void Reserved15(int32_t) override {}
    int Reserved16(int32_t, int32_t) override { return 1; }
    int Reserved17(int32_t, int32_t, int32_t, int32_t, int32_t) override { return 0; }
    int Reserved18(int32_t, int32_t, int32_t, int32_t) override { return 0; }
    int Reserved19(int32_t, int32_t, int32_t, int32_t, int32_t) override { return 0; }
    int Reserved20(int32_t, int32_t, int32_t, int32_t, int32_t) override { return 0; }
    void Reserved21(int32_t) override {}
    void Reserved22() override {}
    int Reserved23() override { return 0; }
    int Reserved24(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) override { return 0; }
    int Reserved25(int32_t, int32_t, const std::string&, int32_t, int32_t) override { return 0; }
    void Reserved26(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) override {}
    void Reserved27(int32_t) override {}
    void Reserved28(const std::string&, int32_t, int32_t, int32_t, int32_t, const std::string&) override {}

protected:
    ~CQuarnLabelReserved() = default;
};
