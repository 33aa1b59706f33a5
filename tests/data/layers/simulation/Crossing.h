// The run knows nothing of the decisions made on it.
#pragma once
#include "decision/Sensitivity.h"
