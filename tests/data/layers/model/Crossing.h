// Two includes the model may not have: the window's code and a Qt header.
#pragma once
#include "model/Project.h"
#include "ui/WexaView.h"
#include <QString>
