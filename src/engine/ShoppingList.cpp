#include "engine/ShoppingList.h"

namespace sockwright {

ShoppingList shoppingList(const std::vector<const Runeword*>& goals, const RuneCounts& held) {
    ShoppingList list;
    for (const Runeword* goal : goals) list.needed.add(RuneTally::of(*goal));
    list.lacking = lackingRunes(list.needed, held);
    list.cube = planCube(list.needed, held);
    // Each recipe takes its own gem, so the plan's steps already sum the gems by kind and grade.
    for (const CubeStep& step : list.cube.steps) {
        if (step.recipe->gem) list.gems.push_back({*step.recipe->gem, step.gems});
    }
    return list;
}

}  // namespace sockwright
