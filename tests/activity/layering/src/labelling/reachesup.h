#pragma once
#include "forms/screen.h"
#include "app/menu.h"
