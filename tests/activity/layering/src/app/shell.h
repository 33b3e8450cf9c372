#pragma once
#include "labelling/reachesup.h"
