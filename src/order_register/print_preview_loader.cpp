#include "order_register/print_preview_module.h"

#include <dlfcn.h>

ShowPrintPreview loadPrintPreview(const char* file, QString* error)
{
    // dlopen itself rather than QLibrary: called from the program, it searches the program's own
    // library path (beside it, or the package's private library folder), not the toolkit's. Never closed:
    // the preview's connections run the module's code.
    void* module = dlopen(file, RTLD_NOW | RTLD_LOCAL);
    void* entry = module ? dlsym(module, kShowPrintPreview) : nullptr;
    if (!entry) {
        *error = QString::fromLocal8Bit(dlerror());
        return nullptr;
    }
    return reinterpret_cast<ShowPrintPreview>(entry);
}
