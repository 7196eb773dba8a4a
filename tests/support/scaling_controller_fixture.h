// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A scaling form behind its controller, as the window drives it.
#include "controllers/companion_controller.h"
#include "controllers/scaling_controller.h"
#include "support/scaling_fixture.h"

namespace scalvo::testing {

class ScalingControllerTest : public ScalingTest {
  protected:
    CompanionForm companion_form;
    CompanionController companion{companion_form, shared, dialogs};
    ScalingController logic{form, shared, dialogs, companion};
};

} // namespace scalvo::testing
