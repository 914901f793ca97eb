// The two job interfaces through which the loader drives what a plug-in's entry point returns:
// it calls the job operation once and deletes the object through the virtual destructor.
#pragma once

#include "IEDefs.h"

class IIEImporterInterface {
 public:
  virtual ~IIEImporterInterface() = default;
  virtual EIEResult Import() const = 0;
};

class IIEExporterInterface {
 public:
  virtual ~IIEExporterInterface() = default;
  virtual EIEResult Export() const = 0;
};
