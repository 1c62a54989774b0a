#include "PdfPrinting.h"

#include "print/PdfModule.h"

#include <dlfcn.h>

namespace tallyrock::cli {
namespace fs = std::filesystem;

namespace {

struct PdfModule {
    TallyrockPdfBegin begin = nullptr;
    TallyrockPdfEnd end = nullptr;
};

// The module installed beside the tool (TALLYROCK_MODULE_DIR from its bin
// folder), else the one in the build tree the tool was built in.
PdfModule loadPdfModule() {
    std::error_code ec;
    fs::path bin = fs::read_symlink("/proc/self/exe", ec).parent_path();
    fs::path installed = bin / TALLYROCK_MODULE_DIR / PdfModuleFile;
    std::string reason = "there is no " + installed.lexically_normal().string();
    for (const fs::path& file : {installed, bin / TALLYROCK_BUILD_MODULE_DIR / PdfModuleFile}) {
        if (ec || !fs::exists(file)) continue;
        if (void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL)) {
            PdfModule module;
            module.begin = reinterpret_cast<TallyrockPdfBegin>(dlsym(handle, PdfBeginSymbol));
            module.end = reinterpret_cast<TallyrockPdfEnd>(dlsym(handle, PdfEndSymbol));
            if (module.begin && module.end) return module; // stays loaded until the tool ends
            reason = file.lexically_normal().string() + " is not the PDF module";
            dlclose(handle);
        } else {
            reason = dlerror();
        }
    }
    refuse(std::string("--pdf needs the print module ") + PdfModuleFile +
           ", which cannot be loaded: " + reason + ". --text prints without it.");
}

} // namespace

void printToPdf(CliContext& ctx, const fs::path& file, const std::function<void(ReportPrinter&)>& print) {
    PdfModule module = loadPdfModule();
    fs::path target = fs::absolute(file);
    std::error_code ec;
    fs::remove(target, ec);
    {
        // Ended also when the report refuses half way, as the printer's destructor ends it.
        struct Job {
            PdfModule& module;
            ReportPrinter* printer;
            ~Job() { module.end(printer); }
        } job{module, module.begin((ctx.store.workDir / "Printouts").c_str(), target.c_str())};
        print(*job.printer);
        job.printer->endDoc();
    }
    if (!fs::exists(target, ec)) refuse("Unable to write " + file.string());
}

} // namespace tallyrock::cli
