// Placeholder until the map window lands.
