#pragma once
// Tests that reach the module's internals: the page is created through the
// entry and released after each test.
#include "host/quarn_label.h"
#include "host_world.h"
#include "platform/geometry.h"

class ModuleTest : public HostWorldTest {
protected:
    void TearDown() override;

    // Creates the page through the entry; the page or a test failure.
    IQuarnLabel* CreatePage(CTestHost& host);
};

// A pane's rectangle relative to the page, as the layout placed it.
CRect RectInPage(const CWnd& page, const CWnd& pane);
