// Runs the tests inside a real Qt application on the offscreen platform.
#include "platform/fake/test_application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    return RunWithTestApplication(argc, argv, [&] {
        ::testing::InitGoogleTest(&argc, argv);
        return RUN_ALL_TESTS();
    });
}
