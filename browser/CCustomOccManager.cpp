#include "browser/CCustomOccManager.h"

#include "browser/CCustomControlSite.h"
#include "browser/CWebExplorer.h"
#include "ui/ControlFactory.h"

namespace {

CCustomOccManager* g_manager = nullptr;

}  // namespace

std::unique_ptr<CCustomControlSite> CCustomOccManager::CreateSite() {
    return std::make_unique<CCustomControlSite>(external_);
}

void AfxEnableControlContainer(CCustomOccManager* manager) {
    // Turning it off happens as the application object goes, when the factory may be gone.
    g_manager = manager;
    if (manager != nullptr) {
        ControlFactory::Register(CWebExplorer::kClassId,
                                 [] { return std::make_unique<CWebExplorer>(); });
    }
}

CCustomOccManager* AfxGetControlContainerManager() {
    return g_manager;
}
