// Each topic lives in its screen's own file.
#include "units/topics.h"
#include "units/symbols.h"

namespace units {

const activity::Topics& topics()
{
    static const activity::Topics list{
        symbolsTopic(),
    };
    return list;
}

} // namespace units
