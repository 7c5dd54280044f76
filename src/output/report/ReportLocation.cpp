#include "output/report/ReportLocation.h"

#include "calc/CalcContext.h"
#include "data/DataBaseHandle.h"
#include "data/HostQueries.h"

int64_t ReportAssayId(const CalcContext& context) {
    for (const Assay& assay : context.assays) {
        if (assay.included && assay.role == static_cast<int32_t>(AssayRole::Analysis)) {
            return assay.id;
        }
    }
    return -1;
}

std::u16string QueryStationName(const CalcContext& context) {
    const int64_t assayId = ReportAssayId(context);
    if (assayId == 0) {
        return {};
    }
    DataBase::Handle handle;
    return QueryStationNameOfAssay(handle, assayId);
}

std::u16string QueryPlaceName(const CalcContext& context) {
    const int64_t assayId = ReportAssayId(context);
    if (assayId == 0) {
        return {};
    }
    DataBase::Handle handle;
    return QueryPlaceNameOfAssay(handle, assayId);
}
