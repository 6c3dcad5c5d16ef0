#pragma once

// The capability and protocol rules of the editor (ControlRules.cpp) name pages and
// controls; this lists those names, so that a test can check that each one exists.

#include <vector>

struct TRuleTarget {
    const char* control; // a control, or for a page rule the page itself
    const char* page;    // the page that holds it
};

std::vector<TRuleTarget> RuleTargets();
