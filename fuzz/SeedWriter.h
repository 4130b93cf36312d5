// The seed writer's interface for the seeds_<topic>.cpp files: write one seed, register a topic.
#pragma once

#include <QByteArray>
#include <QString>

// Writes bytes as the seed <name> of <topic> into the corpus folder; ends the program on failure.
void writeSeed(const QString& topic, const QString& name, const QByteArray& bytes);

// A file's static SeedTopic makes the seed writer call its function after the built-in topics:
//   const SeedTopic tableSeeds([] { writeSeed("tablefile", "plain.tab", ...); });
struct SeedTopic {
    explicit SeedTopic(void (*write)());
};
