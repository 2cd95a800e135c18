// The store's schema, step by step from the first release on.
#pragma once
#include <QStringList>

// The statements that bring the schema from version v - 1 to version v
// (v from 1 to Lernstand::SchemaVersion). Steps are never changed once
// released: a new version adds a step.
QStringList SchemaSchritt(int v);
