#include <gtest/gtest.h>

#include "uipathmanager.h"

TEST(UIPathManager, stores_values_verbatim_and_unknown_keys_are_empty)
{
    UIPathManager* paths = UIPathManager::getInstance();
    EXPECT_TRUE(paths->getPath("never_registered").isEmpty());
    paths->setPath("user_tarnwell_path", "/home/u/../u/.Tarnwell/");
    EXPECT_EQ(UIPathManager::getInstance()->getPath("user_tarnwell_path"), "/home/u/../u/.Tarnwell/");
    EXPECT_TRUE(paths->getPath("USER_TARNWELL_PATH").isEmpty());
}
