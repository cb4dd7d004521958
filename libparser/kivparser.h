#ifndef KIVPARSER_KIVPARSER_H
#define KIVPARSER_KIVPARSER_H

// Everything the library exports.

#include "lists/SList.h"
#include "lists/PSList.h"
#include "lists/String.h"
#include "lists/SListOps.h"
#include "platform/KzPlatform.h"
#include "language/KivParser.h"
#include "language/ParserErr.h"
#include "language/MessageCatalog.h"
#include "application/Application.h"
#include "web/UrlPathConv.h"
#include "dump/DumpWriter.h"

#endif
