#include "tests/page_fixture.h"

#include "platform/fake/user_input.h"
#include "res/resource.h"

#include <stdexcept>

CWnd& PageFixture::Item(int id) {
    CWnd* item = Page().GetDlgItem(id);
    if (!item) {
        throw std::runtime_error("the shown page has no control " + std::to_string(id));
    }
    return *item;
}

void PageFixture::ClickItem(int id) {
    ClickButton(Item(id));
}

void PageFixture::Restart() {
    Click(IDC_CLOSE);
    ASSERT_TRUE(Ended());
    TearDown();
    SetUp();
    Start();
}
