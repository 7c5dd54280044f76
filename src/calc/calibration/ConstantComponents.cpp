#include "calc/calibration/ConstantComponents.h"

bool IsConditionallyConstant(const CalcContext& context, std::u16string_view componentId) {
    for (const MixtureComponent& constant : context.constants) {
        if (constant.name == componentId) {
            return true;
        }
    }
    return false;
}
