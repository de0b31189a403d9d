#include "CatalogueData.h"

const CatalogueData::Catalogue& CatalogueData::ForFolder(const QString& folder)
{
    for (const Catalogue& catalogue : All()) {
        if (catalogue.folder == folder)
            return catalogue;
    }
    static const Catalogue none;
    return none;
}
