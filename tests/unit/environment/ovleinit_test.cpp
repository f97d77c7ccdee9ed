#include "ovle_test.hpp"
