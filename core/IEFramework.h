// The exchange framework: what a plug-in derives its importers and exporters from, and the loader
// through which a host runs jobs.
#pragma once

#include "IEExporterImpl.h"
#include "IEImporterImpl.h"
#include "IEParserInterfaces.h"
#include "IEParsersLoader.h"
