// What the form logic may include: the core and its own folder.
#pragma once
#include "forms/FormEffects.h"
#include "simulation/AnalysisRun.h"
#include <string>
